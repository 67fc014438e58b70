#include "care/care_windows.h"

#include <QLocale>

#include "care/frm_auto_foods.h"
#include "care/frm_food.h"
#include "care/frm_water.h"
#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"

CareWindows::CareWindows(frmMain& main) : main_(main), model_(main.model())
{
    main.EnableItem(main.mnuCareFood, [this] { mnuCareFood_Click(); });
    main.EnableItem(main.mnuCareWater, [this] { mnuCareWater_Click(); });
    main.EnableItem(main.mnuCareAutoFoods, [this] { mnuCareAutoFoods_Click(); });
    main.EnableItem(main.mnuCareLook, [this] { mnuCareLook_Click(); });
}

CareWindows::~CareWindows()
{
    delete food_;
    delete water_;
    delete feeder_;
}

frmFood* CareWindows::FoodWindow() const
{
    return food_;
}

frmWater* CareWindows::WaterWindow() const
{
    return water_;
}

frmAutoFoods* CareWindows::FeederWindow() const
{
    return feeder_;
}

void CareWindows::mnuCareFood_Click()
{
    const QString title = tr("ダメなのぉ...");
    switch (model_.FeedingRefusal()) {
    case FeedRefusal::FeederDay:
        model_.Message(&main_, tr("今日は自動給餌期間です.\n餌はあげられません."), title, MsgIcon::Critical);
        return;
    case FeedRefusal::ThreeADay:
        model_.Message(&main_, tr("今日はこれ以上餌をあげられません.\n一日に餌は３回までです."),
                       title + QLatin1Char('.'), MsgIcon::Critical);
        return;
    case FeedRefusal::None:
        break;
    }
    if (food_ && food_->Running()) {
        return;  // the food is still sinking
    }
    frmFood* food = OpenOnce<frmFood>(food_, main_);
    PlaceBesideTank(food, &main_);
    ShowOnTop(food);
}

void CareWindows::mnuCareWater_Click()
{
    if (!model_.WaterChangeAllowed()) {
        model_.Message(&main_, tr("水の交換はできません.\n水交換は、一日一回限りです."),
                       tr("ダメなのぉ...."), MsgIcon::Critical);
        return;
    }
    frmWater* water = OpenOnce<frmWater>(water_, main_);
    PlaceBesideTank(water, &main_);
    ShowOnTop(water);
}

void CareWindows::mnuCareAutoFoods_Click()
{
    if (!model_.FeederSetOrRunning()) {
        OpenFeeder();
        return;
    }
    const QString title = tr("自動給餌機能の解除");
    if (model_.Message(&main_, tr("現在、自動給餌機能がセットされています\nリセットしますか？"), title,
                       MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes) {
        return;
    }
    model_.ResetFeeder();
    model_.Message(&main_, tr("自動給餌を解除しました."), title, MsgIcon::Information);
    OpenFeeder();
}

void CareWindows::OpenFeeder()
{
    frmAutoFoods* feeder = OpenOnce<frmAutoFoods>(feeder_, model_);
    PlaceBesideTank(feeder, &main_);
    ShowOnTop(feeder);
}

void CareWindows::mnuCareLook_Click()
{
    model_.Message(&main_, model_.StatusReport(DateSeparator(QLocale::system())), tr("この「ばすぽう」の情報"),
                   MsgIcon::Information);
}
