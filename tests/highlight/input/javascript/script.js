// Line comment
/* Block
   comment */
var total = 0, name = "string \"escaped\"", other = 'single';
function add(a, b) {
  for (var i = 0; i < 10; i++) { total += a * b / 2.5; }
  return typeof a == "number" ? a + b : null;
}
while (true) { break; }
var unterminated = "no end
