#pragma once

#include <string>

namespace quimbo::access {

// A row filter of the form  FIELD= 'value'  (blanks around "=" allowed; a quote inside the value
// is doubled). Text values compare with trailing blanks insignificant, as dBase compares them.
struct TableFilter {
    std::string field;
    std::string value;
};

// Throws quimbo::Error when the expression is not of that form.
TableFilter parseFilter(const std::string& expression);

// The expression that selects rows whose `field` equals `value`, quoting it as parseFilter reads.
std::string filterExpression(const std::string& field, const std::string& value);

}  // namespace quimbo::access
