#include "RunTally.h"

#include "data/NumberFormat.h"

void RunTally::Start(int mode) {
    *this = RunTally();
    mode_ = mode;
}

void RunTally::SetScore(qint32 points, const QString& shown) {
    score_ = points;
    scoreShown_ = shown;
}

QString RunTally::TimerText() const {
    if (score_)
        return scoreShown_;
    return penaltyInTime_ ? FormatGeneral(Value()) : time_.text;
}

double RunTally::Value() const {
    if (score_)
        return *score_;
    // In whole tenths until the one division, so that 23.4 + 15 is the number "38.4" names.
    const qint64 tenths = time_.tenths + (penaltyInTime_ ? 10 * qint64(penalty_) : 0);
    return double(tenths) / 10.0;
}

QString RunTally::ResultText() const {
    return score_ ? QString::number(*score_) : TimerText();
}
