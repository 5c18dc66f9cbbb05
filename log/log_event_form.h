#pragma once

#include <QByteArray>
#include <QMap>
#include <QTimer>

#include "ui/baseform.h"

// The event journal: the store as it was when the screen was built, listed newest first,
// one row per timer tick so that the panel keeps answering while the rows are built.
class LogEventForm : public BaseForm
{
    Q_OBJECT
public:
    explicit LogEventForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

    bool isListingComplete() const { return complete_; }
    // Records taken from the copy so far, whether or not they gave a row.
    int rowsListed() const { return rowsListed_; }
    int recordCount() const { return events_.size(); }

    // Pauses of the listing: before each of the first ten records, before the eleventh, then between rows.
    static void setListingIntervals(int firstMs, int pauseMs, int stepMs);
    static void resetListingIntervals();

public slots:
    void addEvents();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addEventItem(QByteArray* eventLog);

    bool complete_ = false;
    QMap<unsigned int, QByteArray> events_;
    QMap<unsigned int, QByteArray>::const_iterator cursor_;
    int rowsListed_ = 0;
    QTimer timer_;
    bool started_ = false;
};
