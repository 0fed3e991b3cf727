#pragma once
// The history viewer: the game log in a read-only text area with an "Ok"
// button. Created hidden at the start of the run with the log's text, shown
// modally from the settings dialog's "история" button.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace talvern::store {

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // The earlier log and this run's lines so far (Memory::logText()).
    void setLogText(const QString& text);

    QPlainTextEdit* Memo1;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace talvern::store
