// texts/textformat.h - printf formatting that checks a text against its arguments
//
// The language files are user-editable, so a text may ask for other arguments than the
// program passes. Every conversion of the text is checked against the argument it takes
// before anything is printed; a text that does not fit is never handed to printf.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

struct FormatArgument {
    enum class Art { Ganzzahl, Real, Text, Zeiger };

    Art art;
    long long ganz = 0;
    bool breit = false;            // wider than 32 bits: %u and %x take it whole
    double real = 0.0;
    std::string_view text;
    bool nullText = false;         // printed as "(null)", as printf does
    const void* zeiger = nullptr;

    template <class T>
        requires std::is_integral_v<T>
    FormatArgument(T w) : art(Art::Ganzzahl), ganz(static_cast<long long>(w)), breit(sizeof(T) > 4) {}
    FormatArgument(double w) : art(Art::Real), real(w) {}
    FormatArgument(float w) : art(Art::Real), real(w) {}
    FormatArgument(const char* t) : art(Art::Text), text(t != nullptr ? t : ""), nullText(t == nullptr) {}
    FormatArgument(const std::string& t) : art(Art::Text), text(t) {}
    FormatArgument(std::string_view t) : art(Art::Text), text(t) {}
    FormatArgument(const void* p) : art(Art::Zeiger), zeiger(p) {}
};

// Formats text into ziel. False, with ziel untouched, when a conversion does not fit its
// argument (%d takes whole numbers, %e %f %g %a reals, %s texts, %p pointers), when the
// text asks for more arguments than there are, or when it uses what the program never
// formats: %n, positional arguments, long double, wide characters, a width or precision
// above 1000, a '%' at the very end. Arguments the text does not use are ignored.
bool formatieren(std::string& ziel, std::string_view text, std::span<const FormatArgument> argumente);

// The text when it fits its arguments, else the replacement (the built-in German text),
// else the text itself, unformatted.
std::string sicherFormatieren(std::string_view text, std::string_view ersatz,
                              std::span<const FormatArgument> argumente);

// The kinds of argument a text's conversions take, in order: 'd' a whole number (%d %i
// %u %x %o %c), 'f' a real (%e %f %g %a), 's' a text, 'p' a pointer, '*' a width or
// precision, '?' what no argument fits. "%-5.2f %s" gives "fs". Two wordings of one text
// can be told apart by it.
std::string umwandlungen(std::string_view text);
