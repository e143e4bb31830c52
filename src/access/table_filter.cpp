#include "access/table_filter.hpp"

#include <algorithm>
#include <cctype>

#include "common/error.hpp"
#include "text/clipper.hpp"

namespace quimbo::access {

TableFilter parseFilter(const std::string& expression) {
    const Error invalid("Expresión de filtro no válida: " + expression);
    const std::size_t equals = expression.find('=');
    if (equals == std::string::npos) {
        throw invalid;
    }
    TableFilter filter;
    filter.field = clipper::AllTrim(expression.substr(0, equals));
    std::transform(filter.field.begin(), filter.field.end(), filter.field.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    std::size_t at = equals + 1;
    while (at < expression.size() && expression[at] == ' ') {
        ++at;
    }
    if (filter.field.empty() || at >= expression.size() || expression[at] != '\'') {
        throw invalid;
    }
    ++at;
    for (;;) {
        if (at >= expression.size()) {
            throw invalid;  // the quote is never closed
        }
        if (expression[at] == '\'') {
            if (at + 1 < expression.size() && expression[at + 1] == '\'') {
                filter.value += '\'';
                at += 2;
                continue;
            }
            ++at;
            break;
        }
        filter.value += expression[at++];
    }
    if (!clipper::AllTrim(expression.substr(at)).empty()) {
        throw invalid;
    }
    return filter;
}

std::string filterExpression(const std::string& field, const std::string& value) {
    std::string quoted;
    for (char c : value) {
        quoted += c;
        if (c == '\'') {
            quoted += '\'';
        }
    }
    return field + "= '" + quoted + "'";
}

}  // namespace quimbo::access
