#pragma once

#include <string>
#include <unordered_set>

#include "text/case_folding.hpp"

namespace quimbo::exporta {

// The abbreviations given so far in one step; comparisons ignore letter case.
class AbbreviationList {
  public:
    bool contains(const std::string& abbreviation) const {
        return folded_.contains(text::foldCase(abbreviation));
    }
    void add(const std::string& abbreviation) { folded_.insert(text::foldCase(abbreviation)); }

  private:
    std::unordered_set<std::string> folded_;
};

}  // namespace quimbo::exporta
