#pragma once
// Access keys of menu captions: the underlined letter that Alt (or the open menu) takes, chosen
// per caption so that none repeats within one menu in any language.

#include <QChar>
#include <QString>

#include <optional>
#include <vector>

namespace velmarsund {

// The access key a caption already carries ("&File" gives F, "A && B" none), in upper case.
std::optional<QChar> AccessKeyOf(const QString& caption);

// The captions of one menu, in order, each with an access key. A caption that carries one keeps
// it; the others take the first free letter, trying the starts of their words first, then any
// letter or digit of the caption. A caption without a free letter of its own (a Chinese one, say)
// gets the first free Latin letter in brackets after it, "文件(&A)". Keys are compared without case.
std::vector<QString> WithAccessKeys(const std::vector<QString>& captions);

} // namespace velmarsund
