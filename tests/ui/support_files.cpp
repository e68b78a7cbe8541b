#include "UiTestSupport.h"

#include "core/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>

namespace tvtest {

void TypeText(QWidget* w, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeText(edit, text);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool Touch(const QString& path) {
    return WriteFile(path, "x");
}

QStringList FileLines(const QString& path) {
    QStringList lines;
    for (QByteArray line : ReadFile(path).split('\n'))
        lines << QString::fromStdString(tv::AnsiToUtf8(line.replace("\r", "").toStdString()));
    return lines;
}

QString WriteBitmap(const QString& path, int w, int h, QColor fill, QColor corner) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    image.setPixelColor(0, h - 1, corner);
    return image.save(path, "BMP") ? path : QString();
}

} // namespace tvtest
