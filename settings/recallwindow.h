#pragma once
// "Последние игры": the game recall drawn for the player. Above, a chart of
// the credits after each game of this run (and of the runs before, if the
// player asks); below, the games newest first, each with its cards as dealt
// and held, the cards it ended with, its result and win, and its risk-game
// and Jack Pot steps. It only reads the recall file; opened from the
// statistics page of the settings dialog.
#include <QAbstractListModel>
#include <QDialog>
#include <QPixmap>

#include <functional>
#include <vector>

#include "recall.h"

class QCheckBox;
class QLabel;
class QListView;
class QPushButton;

namespace talvern::settings {

// The credits after each game, as a line over the games in order.
class RecallChart : public QWidget {
public:
    explicit RecallChart(QWidget* parent = nullptr);
    // The games in the order played; `run` is this run's number, whose
    // games are drawn alone unless `allRuns`.
    void setGames(const std::vector<recall::GameRecord>* games, int run, bool allRuns);
    // The credits drawn, first to last (what the chart shows).
    const std::vector<int>& points() const { return points_; }
    QString summary() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<int> points_;
    std::vector<int> runs_;  // the run of each point
    bool allRuns_ = false;
};

// The games, newest first, for the list.
class RecallModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void setGames(std::vector<recall::GameRecord> games);  // in the order played
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    const recall::GameRecord& game(int row) const;
    const std::vector<recall::GameRecord>& played() const { return games_; }

private:
    std::vector<recall::GameRecord> games_;
};

// The Russian words of a record: what the list shows and a screen reader reads.
QString gameHeading(const recall::GameRecord& g);   // "12. 08.12.2026 10:05 · Joker Poker · ставка 5"
QString gameResult(const recall::GameRecord& g);    // "Flush, выигрыш 30" / "нет выигрыша"
QString gameSteps(const recall::GameRecord& g);     // the risk game and the Jack Pot, step by step
QString gameDescription(const recall::GameRecord& g);  // all of it, for the screen reader
QString cardWords(Card c);                          // "туз червей"
QString cardShort(Card c);                          // "A♥"

class RecallWindow : public QDialog {
public:
    // The picture of a card code at a pixel ratio (the selected deck's).
    using Pictures = std::function<QPixmap(Card c, qreal dpr)>;
    explicit RecallWindow(QWidget* parent = nullptr);

    void setPictures(Pictures p) { pictures_ = std::move(p); }
    // Reads the recall file; `run` is the number of the run now played.
    void load(const QString& path, int run);

    RecallChart* Chart;
    QCheckBox* EarlierRuns;
    QLabel* ChartCaption;
    QListView* Games;
    QLabel* Note;
    QPushButton* CloseButton;
    RecallModel* model() const { return model_; }

private:
    void showChart();
    RecallModel* model_;
    Pictures pictures_;
    int run_ = 0;
};

} // namespace talvern::settings
