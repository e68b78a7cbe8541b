#pragma once
// Text boxes hold project text: a character Windows-1252 cannot hold is refused where it is typed or
// pasted. The refusal is shown beside the field, never as a window per keystroke: the box is tinted,
// the reason is its tooltip (and pops up at once), and the box keeps its last good text. The mark goes
// at the box's next change of text.
//
// The same mark serves a rule that finds the text as typed wrong (a font size that is not yet a
// number): that mark stays until the rule is satisfied. A refusal's mark shows over a rule's.

#include <QString>

class QLineEdit;
class QWidget;

namespace tv {

// Gives edit a validator that refuses characters outside the code page, each shown with ShowRefused.
void KeepAnsi(QLineEdit* edit);

// Shows beside field (a line edit or a plain text edit) that character was refused.
void ShowRefused(QWidget* field, const QString& character);
// The message a refused character gets.
QString RefusedText(const QString& character);

// Sets (reason not empty) or clears the rule's mark of field.
void MarkRuleProblem(QWidget* field, const QString& reason);
// The reason field's rule mark shows; empty when there is none.
QString RuleProblem(const QWidget* field);
// The reason field's refusal mark shows; empty when there is none.
QString RefusalShown(const QWidget* field);

} // namespace tv
