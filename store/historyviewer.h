#pragma once
// The history viewer: the game log in a read-only text area with an "Ok"
// button. Created hidden at the start of the run with the log's text, shown
// modally from the settings dialog's "история" button.
//
// With Controls::Later the text area and the button are made the first time
// they are needed (shown, or buildControls()): the first text area of a
// program reads the system's whole font list, and the machine's first
// picture need not wait for that.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace talvern::store {

class TForm6 : public QDialog {
    Q_OBJECT
public:
    enum class Controls { Now, Later };
    explicit TForm6(QWidget* parent = nullptr, Controls controls = Controls::Now);

    // The earlier log and this run's lines so far (Memory::logText()); kept
    // for the text area until it is made.
    void setLogText(const QString& text);
    void buildControls();
    bool controlsBuilt() const { return Memo1 != nullptr; }

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QString text_;
};

} // namespace talvern::store
