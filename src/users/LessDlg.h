#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QToolButton;

// The countdown before each run of a series: the exercise, its mode and the run number,
// then a count from 4 down, one a second, with a sound at each step. It closes by itself
// after the fifth second; "Отмена" unchecks the series box, which drops the series, and a
// right-button release skips the rest of the count.
class TLessDlgForm : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString lessonName;             // the text of the exercise list
        int seriesStep = 1;             // `SeriesStep`, the run that comes next
        int seriesLength = 5;           // `SeriesLength`
        QCheckBox* lessonChB = nullptr; // the series box `LessonChB`, unchecked by "Отмена"
        // Shows a text on the main window's top bar.
        std::function<void(const QString&)> barCaption;
    };

    static constexpr int ClientWidth = 211;
    static constexpr int ClientHeight = 156;
    static constexpr int BorderWidth = 2;
    static constexpr int StartValue = 4;

    explicit TLessDlgForm(Setup setup, QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* LessonNameP = nullptr;
    QLabel* LessonModeP = nullptr; // set by the caller before showing
    QLabel* LevelP = nullptr;
    QLabel* TimerP = nullptr;
    QToolButton* CancelSB = nullptr;
    QTimer Timer1;

    // The count as it stands.
    int Value() const { return value_; }

    void FormShow();
    void Timer1Timer();
    // Closing is refused while the count runs.
    bool FormCloseQuery() const;
    void CancelSBClick();
    void Panel1MouseUp(Qt::MouseButton button);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    // Stops the count and closes.
    void Finish();

    Setup setup_;
    int value_ = StartValue;
};
