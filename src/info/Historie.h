#pragma once

#include <QDialog>

// The release history: a fixed text in a read-only fixed-pitch view.
class TOpravyAktualizace : public QDialog {
    Q_OBJECT
public:
    explicit TOpravyAktualizace(QWidget *vlastnik = nullptr);
};
