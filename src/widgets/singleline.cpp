#include "widgets/singleline.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>

namespace mirandel::singleline {

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Removes the line breaks, then lets the field's own validator (upper case...) judge.
class LineBreakValidator final : public QValidator
{
public:
    LineBreakValidator(const QValidator* own, QObject* parent) : QValidator(parent), m_own(own) {}

    State validate(QString& input, int& position) const override
    {
        qsizetype before = 0;
        for (qsizetype i = 0; i < input.size() && i < position; ++i)
            before += isLineBreak(input[i]) ? 1 : 0;
        input.removeIf(isLineBreak);
        position -= static_cast<int>(before);
        return m_own ? m_own->validate(input, position) : Acceptable;
    }

    void fixup(QString& input) const override
    {
        if (m_own)
            m_own->fixup(input);
    }

private:
    QPointer<const QValidator> m_own;
};

} // namespace

void keepFieldsOnOneLine(QWidget* root)
{
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        // A spin box (a date edit) validates its own field and keeps it to one line.
        if (qobject_cast<QAbstractSpinBox*>(field->parentWidget()))
            continue;
        // Given one already (a window made later under the same root).
        if (dynamic_cast<const LineBreakValidator*>(field->validator()))
            continue;
        field->setValidator(new LineBreakValidator(field->validator(), field));
    }
}

} // namespace mirandel::singleline
