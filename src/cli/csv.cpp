#include "cli/csv.hpp"

#include "common/error.hpp"

namespace quimbo::cli {

std::vector<std::vector<std::string>> parseCsv(const std::string& input) {
    std::string_view text(input);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    bool lineHasContent = false;
    int lineNumber = 1;
    int quoteLine = 0;
    auto endLine = [&] {
        if (lineHasContent || !field.empty() || !fields.empty()) {
            fields.push_back(field);
            lines.push_back(fields);
        }
        fields.clear();
        field.clear();
        lineHasContent = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                lineNumber += c == '\n' ? 1 : 0;
                field += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            quoteLine = lineNumber;
            lineHasContent = true;
        } else if (c == ';') {
            fields.push_back(field);
            field.clear();
            lineHasContent = true;
        } else if (c == '\r' && (i + 1 == text.size() || text[i + 1] == '\n')) {
            continue;  // the carriage return of a CRLF line ending
        } else if (c == '\n') {
            endLine();
            ++lineNumber;
        } else {
            field += c;
        }
    }
    if (quoted) {
        throw Error("Hay unas comillas sin cerrar en la línea " + std::to_string(quoteLine) + ".");
    }
    endLine();
    return lines;
}

std::string csvField(const std::string& value) {
    // A leading byte-order mark would be taken for the file's own and dropped, so it is quoted.
    if (value.find_first_of(";\"\r\n") == std::string::npos && !value.starts_with("\xEF\xBB\xBF")) {
        return value;
    }
    std::string quoted = "\"";
    for (char c : value) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

}  // namespace quimbo::cli
