#include "zcipedit.h"

#include <QRegularExpressionValidator>

namespace {

// One group of three positions: a number up to 255, or fewer digits with blanks still in it.
// Groups are joined by any one character, which the input mask keeps as the dot.
const char ipPattern[] =
    "^(((([0-9]|_)([0-9]|_)_)|(([0-1]|_)([0-9]|_)([0-9]|_))|(([2]|_)([0-4]|_)([0-9]|_))|(([2]|_)([5]|_)([0-5]|_)))."
    "((([0-9]|_)([0-9]|_)_)|(([0-1]|_)([0-9]|_)([0-9]|_))|(([2]|_)([0-4]|_)([0-9]|_))|(([2]|_)([5]|_)([0-5]|_)))."
    "((([0-9]|_)([0-9]|_)_)|(([0-1]|_)([0-9]|_)([0-9]|_))|(([2]|_)([0-4]|_)([0-9]|_))|(([2]|_)([5]|_)([0-5]|_)))."
    "((([0-9]|_)([0-9]|_)_)|(([0-1]|_)([0-9]|_)([0-9]|_))|(([2]|_)([0-4]|_)([0-9]|_))|(([2]|_)([5]|_)([0-5]|_))))$";

} // namespace

ZCIPEdit::ZCIPEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setInputMask(QStringLiteral("000.000.000.000;_"));
    setValidator(new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(ipPattern)), this));
}
