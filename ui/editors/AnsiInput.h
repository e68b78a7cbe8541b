#pragma once
// Text boxes of the editors that are not bound to a Project field still hold project text: a
// character Windows-1252 cannot hold is refused where it is typed or pasted, and one message names
// it once the key press or paste is over.

#include <QString>

class QLineEdit;
class QObject;

namespace tv {

void KeepAnsi(QLineEdit* edit);
// Queues the message for character; refusals made in one go give one message.
void ReportNotAnsi(const QString& character);

} // namespace tv
