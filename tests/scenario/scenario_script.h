#pragma once

#include <istream>
#include <string>
#include <vector>

namespace kelvo::scenario {

// One word of a scenario line: a bare word, or a double-quoted TEXT with its escapes resolved
// to bytes of the program's code page.
struct Token {
    std::string value;
    bool quoted = false;
};

struct Step {
    int line = 0;
    std::string verb;
    std::vector<Token> args;
};

struct Script {
    std::vector<Step> steps;
    int lastLine = 0;
};

// Throws std::runtime_error("LINE: reason") for a line that cannot be read.
[[nodiscard]] Script ParseScript(std::istream& input);

} // namespace kelvo::scenario
