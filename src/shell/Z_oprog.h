#pragma once

#include <QDialog>

// The about dialog.
class TZ_OProgramu_F : public QDialog
{
    Q_OBJECT

public:
    explicit TZ_OProgramu_F(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *udalost) override;
};
