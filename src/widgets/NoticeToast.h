#pragma once

#include <QFrame>
#include <QStringList>
#include <QTimer>

class QLabel;
class QToolButton;

// A notice laid over the bottom of its host widget that asks for nothing: it goes by itself
// after a while or with its close button, and never takes the focus. It is seen only while
// its host is.
class NoticeToast : public QFrame {
    Q_OBJECT
public:
    static constexpr int ShownMs = 10000;

    explicit NoticeToast(QWidget* host);

    // Shows the lines, one paragraph each, in place of what was shown.
    void ShowLines(const QStringList& lines);
    QStringList Lines() const { return lines_; }

    QLabel* TextL = nullptr;
    QToolButton* CloseSB = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    QStringList lines_;
    QTimer timer_;
};
