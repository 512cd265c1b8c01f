#pragma once

#include <QDialog>

class QLabel;

namespace brelix {

// "Sobre...": the program's name and version, made when asked for, shown modally and released.
class TFormAbout : public QDialog {
    Q_OBJECT

public:
    explicit TFormAbout(QWidget* parent = nullptr);

    // The version of this build, "0.1.0".
    static QString Versao();
};

} // namespace brelix
