// The table stream of a tiny script, assembled here by hand field by field
// in the documented order, must equal what the writer produces.
#include "ScriptTestSupport.h"

#include "parser/StreamIO.h"
#include "parser/TableStream.h"

namespace tessaly::parser::test {
namespace {

struct Bytes {
    std::string s;
    Bytes& b(int v)
    {
        s += static_cast<char>(v);
        return *this;
    }
    Bytes& w(int v) { return b(v & 0xFF).b((v >> 8) & 0xFF); }
    Bytes& i(std::int64_t v)
    {
        for (int k = 0; k < 4; ++k)
            b(static_cast<int>((v >> (8 * k)) & 0xFF));
        return *this;
    }
    Bytes& str(const std::string& t) { return i(static_cast<std::int64_t>(t.size())).raw(t); }
    Bytes& sstr(const std::string& t) { return b(static_cast<int>(t.size())).raw(t); }
    Bytes& raw(const std::string& t)
    {
        s += t;
        return *this;
    }
    Bytes& set(std::initializer_list<int> members)
    {
        std::string bits(32, '\0');
        for (int m : members)
            bits[static_cast<std::size_t>(m / 8)] = static_cast<char>(bits[static_cast<std::size_t>(m / 8)] | (1 << (m % 8)));
        return raw(bits);
    }
    Bytes& group(std::initializer_list<int> chars, bool negated = false) { return set(chars).i(0).b(negated); }
    Bytes& anyGroup() { return set({}).i(0).b(0); }
};

TEST(TableStreamLayout, FieldsInTheDocumentedOrder)
{
    TSM_ParserTables t;
    ASSERT_FALSE(compileError(R"(
%%language
  name = 'T'
  exampletext = 'ex'
  anchor = 5
  contextstates = (7 [1])
%%words
  'ab' '[^c]' 7
%%tokens
  7 ? 'x' endswith * 'yz'
  9 match 'q' (__STD_NUMBER)
  forstate 2
  8 match 'r' 's' endswith (300)
%%states
  7 = [0] + [1] - [0] push
)", t));

    Bytes e;
    // Settings: three long strings, eleven integers.
    e.str("ex").str("T").str(">|:");
    e.i(67099632).i(2).i(80).i(80).i(34).i(1).i(0xFFFFFF).i(0x8000000F).i(0xFFFFFF).i(0x800000).i(4);
    e.i(0).i(0).i(0);         // styles, map, editable styles
    e.raw(std::string(128, '\0')); // tab stop columns
    e.str("Courier New").i(10).raw(std::string(5, '\0'));
    e.i(0); // keyword tables
    e.str(";,:.=()[]\\{Return}\\{Tab}\\{Space}").i(0); // auto-replace
    e.i(16384 + 'J').i(0);                              // templates
    TableWriter keys;
    TKeyboardActionContoller::defaults().write(keys);
    e.raw(keys.data());

    // Keyword table.
    e.i(0).i(1).sstr("ab").group({'c'}, true).set({0}).i(7).sstr("");
    // Continuation rules: token 7.
    e.i(1).b(7);
    e.b(1).group({'x'}).b(0);                         // body: check end first, group
    e.b(1).b(0).b(2).group({'y'}).group({'z'});       // end: included, two groups
    // Default start rules: 'q' only.
    e.i(1).b('q');
    e.b(0).group({'q'}).b(1).b(0).i(16);              // head: handler 16
    e.set({0});                                       // states
    e.b(0).anyGroup().b(0);                           // body
    e.b(0).b(0).b(0);                                 // end: none
    e.b(9);
    // Context state sets: only token 7 differs from the default {0}.
    e.i(1).b(7).set({1});
    // Token effects: token 7.
    e.i(1).b(7).set({0}).set({1}).set({0}).b(0).b(0).b(4);
    // Per-state tables: state 2 with one entry, no further rules.
    e.i(1).b(2).i(1).b('r');
    e.b(0).group({'r'}).b(0).set({2}).b(0).group({'s'}).b(0).b(0).b(1).b(1).i(300).b(8);
    e.i(0);
    // Anchor, bound and default context sets; needs-custom-handler.
    e.set({5}).set({}).set({0}).b(1);

    EXPECT_EQ(writeTableStream(t), e.s);
}

} // namespace
} // namespace tessaly::parser::test
