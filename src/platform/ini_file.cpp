#include "platform/ini_file.hpp"

#include <algorithm>
#include <cctype>
#include <optional>
#include <system_error>
#include <vector>

#include "common/error.hpp"
#include "platform/atomic_file.hpp"
#include "platform/paths.hpp"

namespace quimbo::platform {

namespace {

struct Line {
    std::string text;    // without its line ending
    std::string ending;  // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> splitLines(const std::string& content) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t newline = content.find('\n', start);
        if (newline == std::string::npos) {
            // A last line without line feed: a carriage return at its end is its ending.
            std::string text = content.substr(start);
            const bool carriageReturn = !text.empty() && text.back() == '\r';
            if (carriageReturn) {
                text.pop_back();
            }
            lines.push_back({text, carriageReturn ? "\r" : ""});
            break;
        }
        std::size_t textEnd = newline;
        if (textEnd > start && content[textEnd - 1] == '\r') {
            --textEnd;
        }
        lines.push_back({content.substr(start, textEnd - start),
                         content.substr(textEnd, newline + 1 - textEnd)});
        start = newline + 1;
    }
    return lines;
}

// Blanks, tabs and stray carriage returns around names do not count.
std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string> sectionName(const std::string& lineText) {
    const std::string t = trimmed(lineText);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
        return trimmed(t.substr(1, t.size() - 2));
    }
    return std::nullopt;
}

bool isKeyLine(const std::string& lineText, const std::string& key) {
    const auto equals = lineText.find('=');
    return equals != std::string::npos &&
           equalIgnoringCase(trimmed(lineText.substr(0, equals)), key);
}

std::string join(const std::vector<Line>& lines) {
    std::string out;
    for (const Line& line : lines) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

}  // namespace

std::string withIniValue(const std::string& content, const std::string& section,
                         const std::string& key, const std::string& value) {
    std::vector<Line> lines = splitLines(content);
    const std::string newline =
        (!lines.empty() && lines.front().ending == "\n") ? std::string("\n") : std::string("\r\n");
    const std::string entry = key + "=" + value;

    std::optional<std::size_t> sectionLine;
    std::size_t lastEntryOfSection = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i].text)) {
            if (sectionLine) {
                break;  // the section ended before the key was found
            }
            if (equalIgnoringCase(*name, section)) {
                sectionLine = i;
                lastEntryOfSection = i;
            }
            continue;
        }
        if (!sectionLine) {
            continue;
        }
        if (isKeyLine(lines[i].text, key)) {
            lines[i].text = entry;
            return join(lines);
        }
        if (!trimmed(lines[i].text).empty()) {
            lastEntryOfSection = i;
        }
    }

    // A line that gets a line after it needs a full line ending.
    auto ensureEnding = [&](std::size_t index) {
        if (lines[index].ending != "\n" && lines[index].ending != "\r\n") {
            lines[index].ending = newline;
        }
    };
    if (sectionLine) {
        ensureEnding(lastEntryOfSection);
        lines.insert(lines.begin() + static_cast<long>(lastEntryOfSection) + 1, {entry, newline});
        return join(lines);
    }
    if (!lines.empty()) {
        ensureEnding(lines.size() - 1);
    }
    lines.push_back({"[" + section + "]", newline});
    lines.push_back({entry, newline});
    return join(lines);
}

void writeIniValue(const std::filesystem::path& file, const std::string& section,
                   const std::string& key, const std::string& value) {
    const Error failure("Unable to write to " + pathToUtf8(file));
    std::error_code error;
    std::string content;
    if (std::filesystem::exists(file, error)) {
        try {
            content = readWholeFile(file);
        } catch (const Error&) {
            throw failure;
        }
    }
    try {
        writeFileAtomically(file, withIniValue(content, section, key, value));
    } catch (const Error&) {
        throw failure;
    }
}

}  // namespace quimbo::platform
