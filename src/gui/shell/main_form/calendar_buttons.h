// The two buttons of the main window that open the annual calendar window,
// in the civil and in the Hebrew direction.
#pragma once

#include <QWidget>

namespace orvane::gui
{

class BoutonsCalendriers : public QWidget
{
    Q_OBJECT

public:
    explicit BoutonsCalendriers(QWidget* parent = nullptr);

signals:
    void calendrier_civil();
    void calendrier_hebreu();
};

} // namespace orvane::gui
