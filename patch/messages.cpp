#include "patch/messages.h"

#include <array>

namespace vantorel {

const std::string_view kMessageTitle = "温馨提示：";

namespace {

constexpr std::array<Message, 11> kMessages = {{
    {MessageId::kNothingChosen, "你都还未选择需要执行的选项- -!!", kStyleInformation},
    {MessageId::kNoInstallDir,
     "程序未检测到旺旺软件哦!如果确定已经安装，请手动按浏览指定安装目录。", kStyleInformation},
    {MessageId::kNoMemberName, "请输入您的旺旺会员名，否则无法去除广告哦!", kStyleInformation},
    {MessageId::kNoProfileForRemoval,
     "请检查您的旺旺会员名是否输入正确，或是您还未在本机登录过旺旺会员号，如果您未在本机登录过旺旺"
     "会员号，请关闭补丁程序后在本机登录一次旺旺会员号再运行补丁去广告!",
     kStyleInformation},
    {MessageId::kRemoved, "补丁已执行成功!", kStyleInformation},
    {MessageId::kAlreadyRemoved, "补丁已执行过，无须再执行了", kStyleInformation},
    {MessageId::kNoProfileForRestoring, "请检查您的旺旺会员名是否输入正确!", kStyleInformation},
    {MessageId::kRestored, "执行还原成功!", kStyleInformation},
    {MessageId::kAlreadyRestored, "补丁已执行还原过，无须再执行了!", kStyleInformation},
    {MessageId::kRemovalIncomplete,
     "补丁未能完全执行，部分广告文件无法处理。请退出旺旺后先执行还原，再重新去除广告!",
     kStyleWarning},
    {MessageId::kRestorationIncomplete,
     "还原未能完全执行，部分广告文件无法恢复。请退出旺旺后先执行去除，再重新还原!", kStyleWarning},
}};

}  // namespace

const Message& MessageFor(MessageId id) { return kMessages[static_cast<size_t>(id)]; }

}  // namespace vantorel
