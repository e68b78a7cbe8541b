#pragma once
// Page 1 of the wizard, "Main Window": whether the setup shows its full-screen main window, the
// window's title font and shadow, its background (gradient, bitmap, application name) and the static
// bitmaps placed on it. Each static bitmap is placed in the full-screen editor (TStaticBMP) over a
// picture of that window.

#include "ui/main/WizardPage.h"

#include <QAbstractTableModel>

#include <memory>

class QCheckBox;
class QLineEdit;
class QTableView;
class QWidget;

namespace tv {

class TCheckGroup;
class TColorButton;
class TStaticBMP;
class TTitleFont;
class TwzLabel;

// The Project's static bitmaps as rows: bitmap file, "x,y,origin", transparent colour.
class TStaticBitmapModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TStaticBitmapModel(TProject& project, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The list changed in the Project.
    void Rebuild();

private:
    TProject& m_project;
};

class TMainWindowPage final : public TWizardPage {
    Q_OBJECT
public:
    explicit TMainWindowPage(TProject& project, QWidget* parent = nullptr);
    ~TMainWindowPage() override;

    void LoadFromProject() override;
    bool ShowListRow(TListId list, int row) override;
    // The row selected in lvStaticBMP; -1 for none.
    int SelectedBitmap() const;

public slots:
    void edMainTitleFontBtnClick();
    void cbMainTitleShadowClick();
    void edMainBackBMPBtnClick();
    void jdFlatButton12Click(); // add a static bitmap
    void jdFlatButton13Click(); // edit the selected one
    void jdFlatButton14Click(); // remove the selected one

private:
    // Readies the editor with the setup's screen around the bitmap (all bitmaps but skip).
    void PrepareEditor(TStaticBMP& editor, int skip) const;
    void SelectBitmap(int row);

    QCheckBox* m_cbMainWindow = nullptr;
    QWidget* m_grMainWindow = nullptr;
    QCheckBox* m_cbMainTitle = nullptr;
    TCheckGroup* m_grMainTitle = nullptr;
    TwzLabel* m_lbMainTitle = nullptr;
    QLineEdit* m_edMainTitleFont = nullptr;
    QCheckBox* m_cbMainTitleShadow = nullptr;
    TColorButton* m_btMainTitleShadow = nullptr;
    QCheckBox* m_cbMainShowAppName = nullptr;
    TColorButton* m_btGradientTop = nullptr;
    TColorButton* m_btGradientBot = nullptr;
    QLineEdit* m_edMainBackBMP = nullptr;
    QTableView* m_lvStaticBMP = nullptr;
    TStaticBitmapModel* m_model = nullptr;
    std::unique_ptr<TTitleFont> m_titleFont;
};

} // namespace tv
