#pragma once

namespace quimbo {

// How look-ups find the first matching row of a table: through indexes built once per run, or
// by the straightforward scans from the first row, kept as the reference that tests compare
// the indexes against. Both give exactly the same rows.
enum class LookupStrategy { Indexed, Scanning };

}  // namespace quimbo
