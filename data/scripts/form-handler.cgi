#!/usr/bin/perl
# Answers a form sent with METHOD="POST": reads its fields and shows them
# back in a page. A starting point for a handler that stores or mails them.
use strict;
use warnings;

my $data = '';
read(STDIN, $data, $ENV{CONTENT_LENGTH} || 0);
my %field;
for my $pair (split /&/, $data) {
    my ($name, $value) = split /=/, $pair, 2;
    for ($name, $value) {
        next unless defined;
        tr/+/ /;
        s/%([0-9A-Fa-f]{2})/chr(hex($1))/ge;
        s/&/&amp;/g; s/</&lt;/g; s/>/&gt;/g;
    }
    $field{$name} = $value // '';
}

print "Content-Type: text/html\r\n\r\n";
print "<HTML><BODY><H1>Thank you</H1><TABLE>\n";
print "<TR><TD>$_</TD><TD>$field{$_}</TD></TR>\n" for sort keys %field;
print "</TABLE></BODY></HTML>\n";
