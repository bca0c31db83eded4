#pragma once

#include "analysis/RunAnalysis.h"

#include <QDialog>

class QChartView;
class QLabel;
class QToolButton;
class BoardShadeView;

// The analysis of one run: the charts its exercise calls for, each with a sentence saying
// what it shows, and for the Schulte tables and proofreading the board drawn small.
class AnalysisWindow : public QDialog {
    Q_OBJECT
public:
    explicit AnalysisWindow(const HistoryRun& run, QWidget* parent = nullptr);
    // Creates the window, shows it modally and frees it.
    static void Execute(const HistoryRun& run, QWidget* parent);

    const RunAnalysis& Analysis() const { return analysis_; }
    const QList<QChartView*>& Charts() const { return charts_; }
    BoardShadeView* Board() const { return board_; }
    QToolButton* CloseSB = nullptr;

private:
    QWidget* Titled(QWidget* body, const QString& title, const QString& text);

    RunAnalysis analysis_;
    QList<QChartView*> charts_;
    BoardShadeView* board_ = nullptr;
};
