#pragma once

#include <QChar>
#include <QStringView>

// The program's case folding, character by character: only A to Z and
// a to z change case, so that lists can be compared and searched without a
// folded copy of every line.
namespace AsciiFold {

constexpr char16_t lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

constexpr char16_t upper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}

// True when `lowered` (already folded to lower case, not empty) occurs in
// `text` once the letters A to Z of `text` are folded too. An empty
// `lowered` occurs nowhere.
bool contains(QStringView text, QStringView lowered);

} // namespace AsciiFold
