#include "ui/editors/AnsiInput.h"

#include "core/TextCodec.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QValidator>
#include <QVariant>

namespace tv {

namespace {

const char* const kRuleProperty = "tvRuleProblem";
const char* const kRefusedProperty = "tvRefused";
const char* const kHintProperty = "tvHint";
const char* const kHookedProperty = "tvRefusalHooked";
// The tint of a box whose text is marked.
const QColor kMarkTint(255, 221, 221);

class TAnsiOnly final : public QValidator {
public:
    explicit TAnsiOnly(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}
    State validate(QString& input, int&) const override {
        const std::string utf8 = input.toStdString();
        if (Utf8ToAnsi(utf8))
            return Acceptable;
        ShowRefused(m_edit, QString::fromStdString(FirstUnencodable(utf8)));
        return Invalid;
    }

private:
    QLineEdit* m_edit;
};

// Shows whichever mark field has: the refusal's over the rule's, or none.
void Render(QWidget* field) {
    const QString refused = field->property(kRefusedProperty).toString();
    const QString shown = refused.isEmpty() ? field->property(kRuleProperty).toString() : refused;
    if (!field->property(kHintProperty).isValid())
        field->setProperty(kHintProperty, field->toolTip());
    if (shown.isEmpty()) {
        field->setPalette(QPalette()); // back to the inherited colours
        field->setToolTip(field->property(kHintProperty).toString());
    } else {
        QPalette pal = field->palette();
        pal.setColor(QPalette::Base, kMarkTint);
        field->setPalette(pal);
        field->setToolTip(shown);
    }
    field->setAccessibleDescription(shown);
}

void ClearRefusal(QWidget* field) {
    if (field->property(kRefusedProperty).toString().isEmpty())
        return;
    field->setProperty(kRefusedProperty, QString());
    Render(field);
}

} // namespace

void KeepAnsi(QLineEdit* edit) {
    edit->setValidator(new TAnsiOnly(edit));
}

QString RefusedText(const QString& character) {
    return QCoreApplication::translate(
               "tv::TAnsiInput", "The character \"%1\" cannot be used here: the project keeps its texts "
                                 "in the Windows-1252 character set.")
        .arg(character);
}

void ShowRefused(QWidget* field, const QString& character) {
    if (!field->property(kHookedProperty).toBool()) {
        field->setProperty(kHookedProperty, true);
        // The next accepted change of text takes the mark away.
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { ClearRefusal(edit); });
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
            QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo] { ClearRefusal(memo); });
    }
    const QString text = RefusedText(character);
    field->setProperty(kRefusedProperty, text);
    Render(field);
    if (field->isVisible())
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field);
}

void MarkRuleProblem(QWidget* field, const QString& reason) {
    if (field->property(kRuleProperty).toString() == reason)
        return;
    field->setProperty(kRuleProperty, reason);
    Render(field);
}

QString RuleProblem(const QWidget* field) {
    return field->property(kRuleProperty).toString();
}

QString RefusalShown(const QWidget* field) {
    return field->property(kRefusedProperty).toString();
}

} // namespace tv
