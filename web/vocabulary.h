#pragma once

// Hands the page's script the number of every value of each enumeration that crosses between
// the module and the script (control types, font faces, alignments, control roles, action
// kinds, dialog kinds, message icons, menu commands), each under a table's name and its own, so
// that the script keeps no number of its own and follows any change to the enumerations.
namespace kelvaro::page {

void describeVocabulary();

} // namespace kelvaro::page
