// The fixed notices of the menus and the question of "退出", as the program
// shows them. A line break inside a notice is CR LF; none ends with one.
#pragma once

#include <string>
#include <string_view>

#include "app/window_table.hpp"

namespace mosuo {

// The author's contact numbers, in one place.
inline constexpr std::string_view author_qq = "123456789";
inline constexpr std::string_view author_alipay = "13900000000";

inline constexpr std::string_view exit_question = "当前还有未保存的数据,你真的不报存就要退出吗？";

// The text "无法载入文件：" then the path, and the reason on the next line.
inline constexpr std::string_view load_failed = "无法载入文件：";

// The notice a menu item shows, or empty for an item that shows none.
inline std::string menu_notice_text(menu_command command) {
  using enum menu_command;
  switch (command) {
    case notice_advanced:
      return "功能完善中。。。";
    case notice_version:
      return "当前版本为：V1.0测试版本";
    case notice_help:
      return "作者正在孤军奋战努力地完善本软件的帮助文本及其功能！";
    case notice_author:  // built from its two pieces at each use
      return std::string("作者只是编程界的小菜鸟~~~\r\n") +
             "如果想支持作者可在软件界面选择菜单里的“关于”→“支持作者”获取捐爱心的方式！";
    case notice_update:
      return "更新系统正在完善，敬请期待！";
    case notice_bug_report:  // an ASCII colon after QQ here
      return std::string("如发现本软件有BUG可以练习作者对本软件进行改进！\r\nQQ:")
          .append(author_qq);
    case notice_support:  // a full-width colon after QQ here
      return std::string(
                 "如果您支持作者继续开发新的功能和新的软件，您可以捐点爱心给作者增加其开发的动力！"
                 "\r\nQQ：")
          .append(author_qq)
          .append("\r\n支付宝：")
          .append(author_alipay);
    default:
      return {};
  }
}

}  // namespace mosuo
