#pragma once
// Feeding, the water change, the automatic feeder and the status view,
// behind the tank's care menu.

#include <QObject>
#include <QPointer>

class frmAutoFoods;
class frmFood;
class frmMain;
class frmWater;
class Vaspo;

class CareWindows : public QObject {
    Q_OBJECT
public:
    explicit CareWindows(frmMain& main);
    ~CareWindows() override;

    void mnuCareFood_Click();
    void mnuCareWater_Click();
    void mnuCareAutoFoods_Click();
    void mnuCareLook_Click();

    frmFood* FoodWindow() const;
    frmWater* WaterWindow() const;
    frmAutoFoods* FeederWindow() const;

private:
    void OpenFeeder();

    frmMain& main_;
    Vaspo& model_;
    QPointer<frmFood> food_;
    QPointer<frmWater> water_;
    QPointer<frmAutoFoods> feeder_;
};
