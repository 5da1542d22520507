#include "scenario_script.h"

#include <stdexcept>

#include "core/digit_filters.h"

namespace kelvo::scenario {
namespace {

[[noreturn]] void Fail(int line, const std::string& reason) {
    throw std::runtime_error(std::to_string(line) + ": " + reason);
}

// Reads a quoted TEXT starting at the opening quote; returns the index after the closing one.
std::size_t ReadText(const std::string& line, std::size_t pos, int lineNo, std::string& out) {
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"')
            return pos + 1;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= line.size())
            Fail(lineNo, "unfinished escape");
        switch (line[pos]) {
        case '"':
            out += '"';
            break;
        case '\\':
            out += '\\';
            break;
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'x': {
            const int high = pos + 1 < line.size() ? HexDigitValue(line[pos + 1]) : -1;
            const int low = pos + 2 < line.size() ? HexDigitValue(line[pos + 2]) : -1;
            if (high < 0 || low < 0)
                Fail(lineNo, "\\x needs two hex digits");
            out += static_cast<char>(high * 16 + low);
            pos += 2;
            break;
        }
        default:
            Fail(lineNo, std::string("unknown escape \\") + line[pos]);
        }
    }
    Fail(lineNo, "missing closing quote");
}

} // namespace

Script ParseScript(std::istream& input) {
    Script script;
    std::string line;
    int lineNo = 0;
    while (std::getline(input, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<Token> tokens;
        std::size_t pos = 0;
        while (pos < line.size()) {
            const char c = line[pos];
            if (c == ' ' || c == '\t') {
                ++pos;
            } else if (c == '#' && tokens.empty()) {
                break;
            } else if (c == '"') {
                Token token{{}, true};
                pos = ReadText(line, pos, lineNo, token.value);
                tokens.push_back(std::move(token));
            } else {
                const std::size_t end = line.find_first_of(" \t", pos);
                tokens.push_back({line.substr(pos, end - pos), false});
                pos = end == std::string::npos ? line.size() : end;
            }
        }
        if (tokens.empty())
            continue;
        if (tokens.front().quoted)
            Fail(lineNo, "a line starts with its verb");
        Step step{lineNo, tokens.front().value, {tokens.begin() + 1, tokens.end()}};
        script.steps.push_back(std::move(step));
        script.lastLine = lineNo;
    }
    return script;
}

} // namespace kelvo::scenario
