#include "widgets/singleline.h"

#include <QLineEdit>
#include <QValidator>

namespace mirandel::singleline {

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

class LineBreakValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        qsizetype before = 0;
        for (qsizetype i = 0; i < input.size() && i < position; ++i)
            before += isLineBreak(input[i]) ? 1 : 0;
        input.removeIf(isLineBreak);
        position -= static_cast<int>(before);
        return Acceptable;
    }
};

} // namespace

void keepFieldsOnOneLine(QWidget* root)
{
    for (QLineEdit* field : root->findChildren<QLineEdit*>())
        if (!field->validator())
            field->setValidator(new LineBreakValidator(field));
}

} // namespace mirandel::singleline
