#pragma once

#include <set>
#include <string>

namespace quimbo::exporta {

struct SubjectCodes {
    std::string cod;       // at most 10 characters
    std::string codLargo;  // as computed, before the cut to the field width
};

// The code rule: the reference table's codes where it gives them, otherwise codes built from the
// name (first character when it is not a capital, the capitals, and the 6-character or initials
// forms for a single character).
SubjectCodes buildSubjectCodes(const std::string& name, const std::string& referenceCod,
                               const std::string& referenceCodLargo);

// Makes `cod` unique among `taken`: the stem without its last character followed by 1, 2, 3…;
// a result longer than 10 characters keeps its first 8 and last 2, and is itself not taken.
std::string uniqueShortCode(const std::string& cod, const std::set<std::string>& taken);

}  // namespace quimbo::exporta
