#pragma once

#include <QString>
#include <QToolButton>

// An on/off button whose `Tag` holds the value (1 on, 0 off); its caption names the state
// and is bold while on.
class OptionToggle : public QToolButton {
    Q_OBJECT
public:
    OptionToggle(QString onCaption, QString offCaption, QWidget* parent = nullptr);

    int Tag() const { return tag_; }
    bool On() const { return tag_ != 0; }
    void SetOn(bool on);
    void Flip() { SetOn(!On()); }

private:
    QString onCaption_;
    QString offCaption_;
    int tag_ = 0;
};
