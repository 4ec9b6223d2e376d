// Runs the classic regular-expression test lines (converted to this
// engine's grammar) through TREParser: verdict, whole match and group texts.
#include "memo/regex/REParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace tessaly::memo;

namespace {

struct Row {
    std::vector<std::string> cells;
    const std::string& operator[](std::size_t i) const { return cells[i]; }
};

std::vector<Row> loadRows()
{
    std::ifstream in(std::string(TESSALY_SHARED_DIR) + "/testdata/regex/spencer.tsv");
    std::vector<Row> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (header) {
            header = false;
            continue;
        }
        Row row;
        std::stringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, '\t'))
            row.cells.push_back(cell);
        row.cells.resize(15);
        rows.push_back(row);
    }
    return rows;
}

// The error each rejected pattern of the file must give.
TREError expectedError(const std::string& pattern)
{
    static const std::map<std::string, TREError> errors = {
        {"a[b-a]", TREError::InvalidRange},
        {"a[]b", TREError::UnmatchedBracket},
        {"a[", TREError::UnmatchedBracket},
        {"*a", TREError::InvalidRepeat},
        {"(*)b", TREError::InvalidRepeat},
        {"a**", TREError::NestedRepeat},
        {"a*?", TREError::NestedRepeat},
        {"abc)", TREError::UnmatchedParenthesis},
        {"(abc", TREError::UnmatchedParenthesis},
        {")(", TREError::UnmatchedParenthesis},
        {"((((((((((a))))))))))", TREError::TooManySubexpressions},
    };
    const auto it = errors.find(pattern);
    return it == errors.end() ? TREError::InvalidRepeat : it->second;
}

} // namespace

namespace {

// Checks one line; returns what went wrong, empty when the line passes.
std::string checkRow(const Row& row)
{
    const std::string& pattern = row[0];
    const std::string& subject = row[1];
    const std::string& verdict = row[2];
    const std::string& given = row[13];
    std::ostringstream problem;

    TREParser re;
    const bool compiled = re.compile(pattern);
    if (verdict == "c") {
        if (compiled)
            problem << "compiled, expected an error";
        else if (re.errorId() != expectedError(pattern))
            problem << "wrong error " << re.errorText();
        return problem.str();
    }
    if (!compiled)
        return "compile error " + re.errorText();
    TStringStream text(subject);
    const bool found = re.match(text, true);
    if (re.errorId() != TREError::NoError)
        problem << "match error " << re.errorText() << "; ";
    if (found != (verdict == "y"))
        problem << (found ? "found, expected none" : "not found");
    if (!found)
        return problem.str();
    auto slice = [&](std::int64_t from, std::int64_t to) {
        if (from < 0 || to < from)
            return std::string();
        return subject.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    };
    if (given.find('&') != std::string::npos && slice(re.matchStart(), re.matchEnd()) != row[3])
        problem << "match '" << slice(re.matchStart(), re.matchEnd()) << "' expected '" << row[3] << "'; ";
    for (int g = 1; g <= 9; ++g) {
        const std::string& want = row[3 + static_cast<std::size_t>(g)];
        const std::string got = slice(re.groupStart(g), re.groupEnd(g));
        if (given.find(char('0' + g)) != std::string::npos && got != want)
            problem << "group " << g << " '" << got << "' expected '" << want << "'; ";
    }
    return problem.str();
}

} // namespace

TEST(RESpencer, EveryLineGivesItsVerdictMatchAndGroups)
{
    const std::vector<Row> rows = loadRows();
    ASSERT_EQ(rows.size(), 104u) << "spencer.tsv not found or changed";
    int passed = 0;
    for (const Row& row : rows) {
        const std::string problem = checkRow(row);
        if (problem.empty())
            ++passed;
        else
            ADD_FAILURE() << "line " << row[14] << ": " << row[0] << " on " << row[1] << ": " << problem;
    }
    std::cout << "[ spencer  ] " << passed << " of " << rows.size() << " lines pass\n";
}
