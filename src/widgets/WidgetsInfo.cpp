// The editor's Qt widgets live in this library.
