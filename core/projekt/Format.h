#pragma once
#include <string>
#include <string_view>

namespace tarvis {

// Number texts as the report, the printouts and the windows show them. The
// symbols are the Italian ones whatever the system's locale: "," before the
// decimals, "." between thousands.

// A number through a mask. "#" and "0" are digit places ("0" always shows a
// digit, "#" only a significant one), "." is the decimal point and a "," in
// the integer part turns on thousands grouping: Format(1666.67, "#,###0.0")
// is "1.666,7", Format(1234, "######,0") is "1.234". Rounding goes half away
// from zero; a mask without "0" shows nothing for zero, and a negative value
// keeps its sign even when it rounds to zero ("-0"). A mask of "@" only
// right-aligns the number's text (ZahlText) as FormatText does.
std::string Format(double x, std::string_view maske);

// A text right-aligned in as many characters as the mask has "@"; a longer
// text is never cut.
std::string FormatText(std::string_view text, std::string_view maske);

// The plain decimal text of a number: whole numbers as digits; other values
// with at most 7 significant digits, trailing zeros dropped ("12,5", "0,5");
// from 1E7 on in E notation ("1E+07", "1,234568E+07").
std::string ZahlText(double x);

// What Format and ZahlText show for a value that is not a finite number (a
// current of a damaged catalogue): a word, never digits that look like a value.
std::string KeineZahlText();

}  // namespace tarvis
