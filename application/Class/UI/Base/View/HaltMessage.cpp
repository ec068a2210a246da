#include "Class/UI/Base/View/HaltMessage.h"

#include "R.h"

#include <algorithm>
#include <iterator>

namespace tolvane::app {
namespace {

namespace text = R::string::localizable;
using enum CustomAlertControlerStyle;
using Buttons = HaltMessage::Buttons;
using Moment = HaltMessage::StatisticsMoment;

constexpr std::string_view inVehicleOk = "tirmalunesko/qingzaicheneishedingmubiaobocheweizhi/alert/queding";

std::string keyNotDetectedMessage(const std::vector<std::string>&)
{
    return "未在车辆附近检测到智能钥匙，\n请靠近车辆";
}

const HaltMessage haltMessages[] = {
    {CauseId::BT_LOSS, text::Interrupt_Communicationdisrupted_FactorMessage, text::Interrupt_Communicationdisrupted_CopingMessage,
     alertUpDown, Buttons::okOnly, "tirmalunesko/yucheliangtongxunzhongduan/alert/queding"},
    {CauseId::OUT_AREA, text::Interrupt_Halt_Outarea_FactorMessage, text::Interrupt_Halt_Outarea_CopingMessage, alertUpDown,
     Buttons::okOnly, inVehicleOk},
    {CauseId::OPEN_DOOR, text::Interrupt_Halt_Opendoor_FactorMessage, text::Interrupt_Halt_Opendoor_CopingMessage, alertUpDown, Buttons::given},
    {CauseId::ACT_PKSB, text::Interrupt_Halt_Actpksb_FactorMessage, text::Interrupt_Halt_Actpksb_CopingMessage, alertUpDown, Buttons::given},
    {CauseId::BY_DRIVE, text::Interrupt_Halt_Bydrive_FactorMessage, text::Interrupt_Halt_Bydrive_CopingMessage, alertUpDown, Buttons::given},
    {CauseId::SMART_OPE, text::Interrupt_Halt_Smart_Ope_FactorMessage, text::Interrupt_Halt_Smart_Ope_CopingMessage, alertUpDown,
     Buttons::given},
    // The statistics key of this row has no "/alert/" part; the host's reports expect it so.
    {CauseId::CAN_LOSS, text::Interrupt_Halt_Btloss_FactorMessage, text::Interrupt_Halt_Btloss_CopingMessage, alert, Buttons::okOnly,
     "tirmalunesko/qingxiedaizhinengyaoshixiachebingguanbichemen/queding"},
    {CauseId::KEY_IN_CAR, text::Interrupt_Halt_Smartkey_On_Vehicle_FactorMessage, text::Interrupt_Halt_Smartkey_On_Vehicle_CopingMessage,
     alertUpDown, Buttons::given},
    {CauseId::BELT_ON, text::Interrupt_Halt_Seat_Belt_On_FactorMessage, text::Interrupt_Halt_Seat_Belt_On_CopingMessage, alertUpDown,
     Buttons::given, {}, "tirmalunesko/anquandaihaiweijiekaitirmaluneskoyizanting/alert/tuichu"},
    {CauseId::PLUG_CONNECT, text::Interrupt_Halt_Charging_Plug_FactorMessage, text::Interrupt_Halt_Charging_Plug_CopingMessage, alertUpDown,
     Buttons::given},
    {CauseId::OBSTACLE, text::Interrupt_Halt_Obstacle_FactorMessage, text::Interrupt_Halt_Obstacle_CopingMessage, alertUpDown, Buttons::given},
    {CauseId::DOOR_UNLOCK, text::Interrupt_Halt_Door_Unlock_FactorMessage, text::Interrupt_Halt_Door_Unlock_CopingMessage, alertUpDown,
     Buttons::given, {}, "tirmalunesko/jiancedaochewaiyouqitacaozuo/alert/tuichu"},
    {CauseId::ROUTE_LOST, text::Interrupt_Halt_Route_Lost_FactorMessage, text::Interrupt_Halt_Route_Lost_CopingMessage, alertUpDown,
     Buttons::given},
    {CauseId::WRONG_WAY, text::Interrupt_StopIgonReadyon_FactorMessage, text::Interrupt_StopIgonReadyon_CopingMessage, alertUpDown,
     Buttons::okOnly, inVehicleOk},
    {CauseId::COUNTER_ANOMALY, text::Interrupt_Fixedclearsonercounter_FactorMessage, text::Interrupt_Fixedclearsonercounter_CopingMessage,
     std::nullopt, Buttons::none},
    {CauseId::CHECKSUM_ANOMALY, text::Interrupt_Checksum_FactorMessage, text::Interrupt_Checksum_CopingMessage, std::nullopt, Buttons::given},
    // The title is the wrong-way one; kept, since the texts are shipped that way.
    {CauseId::KEYS_NO_DETECT, text::Interrupt_StopIgonReadyon_FactorMessage, keyNotDetectedMessage, alertUpDown, Buttons::okOnly, inVehicleOk},
    {CauseId::ABNORMAL_CONNECT_BATTERY, text::Interrupt_Ab_Conn_Batt_FactorMessage, text::Interrupt_Ab_Conn_Batt_CopingMessage, alertUpDown,
     Buttons::given},
    {CauseId::ABNORMAL_KEY_IN_CAR, text::Interrupt_Ab_Keys_Incar_FactorMessage, text::Interrupt_Ab_Keys_Incar_CopingMessage, std::nullopt,
     Buttons::given},
    {CauseId::BT_OFF, text::Interrupt_Bluetoothoff_FactorMessage, text::Interrupt_Bluetoothoff_CopingMessage, std::nullopt, Buttons::given, {},
     "tirmalunesko/xuyaoshiyonglanyaquanxian/alert/queding", Moment::beforeTexts},
    {CauseId::DCUCSRER_INTERRUPT, text::Interrupt_CsrSignalError_FactorMessage, text::Interrupt_CsrSignalError_CopingMessage, std::nullopt,
     Buttons::given},
    {CauseId::DCUIDTER_INTERRUPT, text::Interrupt_AvSignalError_FactorMessage, text::Interrupt_AvSignalError_CopingMessage, std::nullopt,
     Buttons::given},
};

} // namespace

const HaltMessage* haltMessage(CauseId cause)
{
    const auto row = std::ranges::find(haltMessages, cause, &HaltMessage::cause);
    return row == std::end(haltMessages) ? nullptr : &*row;
}

} // namespace tolvane::app
