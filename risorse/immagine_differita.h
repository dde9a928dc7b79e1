#pragma once

#include <QLabel>
#include <QString>

// A label showing one of the program's pictures, decoded the first time the label is
// painted, at the device pixel ratio it is painted at, and kept from then on. Until then it
// is an empty label; once painted it is the same picture label as one given its pixmap at
// once, to screen readers too.
class ImmagineDifferita : public QLabel {
public:
    ImmagineDifferita(const QString& percorso, QWidget* genitore);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString percorso_;
    bool decodificata_ = false;
};
