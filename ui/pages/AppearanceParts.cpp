#include "ui/pages/AppearanceParts.h"

#include "ui/main/WizardPage.h"

#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"
#include "deploy/DeploymentBuild.h"
#include "ui/editors/ColorStrip.h"
#include "ui/editors/FontViewUnit.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzLabelUnit.h"
#include "ui/main/ColorButton.h"
#include "ui/main/FieldBinder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tv {

namespace {
QString FromAnsi(const std::string& s) {
    return QString::fromStdString(AnsiToUtf8(s));
}
} // namespace

TCheckGroup::TCheckGroup(QCheckBox* header, QGroupBox* group, QWidget* parent)
    : QWidget(parent), m_header(header), m_group(group) {
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, m_header->sizeHint().height() / 2, 0, 0);
    box->addWidget(m_group);
    m_header->setParent(this);
    m_header->setAutoFillBackground(true);
    m_header->raise();
    connect(m_header, &QCheckBox::toggled, this, &TCheckGroup::Follow);
    Follow();
}

void TCheckGroup::Follow() {
    m_group->setEnabled(m_header->isChecked());
}

void TCheckGroup::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_header->resize(m_header->sizeHint());
    m_header->move(8, 0);
    m_header->raise();
}

QFont TitleQFont(const TFontSpec& font) {
    QFont f(QString::fromStdString(AnsiToUtf8(font.Face)));
    f.setPointSize(std::clamp(font.Size, 1, 400));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    return f;
}

TwzLabel* MakeTitlePreview(const char* name) {
    auto* label = new TwzLabel(QCoreApplication::translate("tv::TAppearanceParts", "Title"));
    label->setObjectName(name);
    label->setShowAccelChar(false);
    label->setFixedSize(85, 45);
    label->setTextStyle(TwzLabel::tsShadow);
    label->setShadowColor(QColor(0x80, 0x80, 0x80));
    label->setFont(TitleQFont(ReadFontSpec("Times New Roman,20,$000000,B").Font));
    return label;
}

QToolButton* MakeBrowseButton(const QString& name, const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText("...");
    button->setToolTip(hint);
    button->setFixedSize(22, 20);
    return button;
}

TTitleFont::TTitleFont(TwzLabel* preview, QCheckBox* shadow, TColorButton* shadowColor)
    : m_preview(preview), m_shadow(shadow), m_shadowColor(shadowColor),
      m_font(ReadFontSpec("Times New Roman,20,$000000,B").Font) {}

QString TTitleFont::Apply(const QString& text) {
    const auto ansi = Utf8ToAnsi(text.toStdString());
    const TFontSpecRead read = ReadFontSpec(ansi ? *ansi : std::string(), m_font);
    m_font = read.Font; // the face is taken even when the size is wrong
    QFont f = m_preview->font();
    f.setFamily(FromAnsi(m_font.Face));
    if (read.SizeValid) {
        f = TitleQFont(m_font);
        QPalette pal = m_preview->palette();
        pal.setColor(QPalette::WindowText, ToQColor(m_font.Color));
        m_preview->setPalette(pal);
    }
    m_preview->setFont(f);
    ApplyShadow();
    return read.SizeValid ? QString() : QString::fromStdString(read.Error);
}

void TTitleFont::ApplyShadow() {
    m_preview->setShadowColor(ToQColor(m_shadowColor->Color()));
    m_preview->setTextStyle(m_shadow->isChecked() ? TwzLabel::tsShadow : TwzLabel::tsNone);
}

void TTitleFont::Pick(QWidget* window, TFieldBinder& binder, QLineEdit* edit) {
    // A text whose size is wrong is refused here as well, whatever its number of fields.
    const auto ansi = Utf8ToAnsi(edit->text().toStdString());
    const TFontSpecRead read = ReadFontSpec(ansi ? *ansi : std::string());
    QString error = QString::fromStdString(read.Error);
    TFontView picker(window);
    if (!read.SizeValid || !picker.SetFontSpec(edit->text(), &error)) {
        wzDialog().MessageDlg(error, TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    if (picker.exec() != mrOk)
        return;
    if (binder.SetChosenText(edit, picker.GetFontSpec()))
        m_preview->setFont(picker.SampleFont());
}

QString ProjectFolder(const TProject& project) {
    return FromAnsi(ProjectBaseFolder(project));
}

QImage ReadProjectImage(const TProject& project, const std::string& path) {
    if (IsBlank(path))
        return {};
    QImageReader reader(FromAnsi(ResolveProjectPath(project, path)));
    return reader.read();
}

void BrowseBitmap(QWidget* window, TFieldBinder& binder, const TProject& project, QLineEdit* edit,
                  const QString& title, TBitmapPath stored) {
    TFileQuestion question;
    question.dialog = "OpenPictureDialog1";
    question.title = title;
    question.filters = QStringList{QCoreApplication::translate("tv::TAppearanceParts", "Bitmap (*.bmp)")};
    question.defaultSuffix = "bmp";
    const auto ansi = Utf8ToAnsi(edit->text().toStdString());
    if (ansi && !IsBlank(*ansi))
        question.proposed = FromAnsi(ResolveProjectPath(project, *ansi));
    QString chosen;
    if (AskFileName(window, question, chosen))
        binder.SetChosenText(edit, stored == TBitmapPath::ProjectRelative ? StoredHostPath(project, chosen) : chosen);
}

TSetupScreen SetupScreenFromProject(const TProject& project, int skip) {
    TSetupScreen s;
    s.GradientTop = project.MainGradientTop;
    s.GradientBot = project.MainGradientBot;
    s.Background = ReadProjectImage(project, project.MainBGBitmap);
    // The engine shows the title by Main_Window/Title alone; it is never given BG.AppTitle.
    s.ShowTitle = project.MainTitle;
    s.Title = FromAnsi(project.AppName);
    const TFontSpec font = ReadFontSpec(project.MainTitleFont, ReadFontSpec("Times New Roman,20,$000000,B").Font).Font;
    s.TitleFont = TitleQFont(font);
    s.TitleColor = ToQColor(font.Color);
    s.TitleShadow = project.MainTitleShadow;
    s.ShadowColor = ToQColor(project.MainTitleShadowColor);
    for (int i = 0; i < int(project.StaticBitmaps.size()); ++i) {
        if (i == skip)
            continue;
        const TStaticBitmap& row = project.StaticBitmaps[size_t(i)];
        TScreenBitmap b;
        b.Image = ReadProjectImage(project, row.File);
        std::string coord = row.Coord;
        std::int32_t v = 0;
        b.X = TryStrToInt(SplitFirst(coord, ","), v) ? v : 0;
        b.Y = TryStrToInt(SplitFirst(coord, ","), v) ? v : 0;
        b.Origin = TryStrToInt(SplitFirst(coord, ","), v) ? v : 0;
        b.Transparent = !row.Transparency.empty();
        s.Bitmaps.push_back(std::move(b));
    }
    return s;
}

} // namespace tv
