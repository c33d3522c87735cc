// The main window as data: its controls in definition order, its menu bar and
// its tab order. The builder and the connect loop in main_window.cpp read these
// tables and nothing else decides where a control stands or what it does.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace mosuo {

inline constexpr std::string_view window_title = "墨梭-岚杉论坛首发测试版";
inline constexpr int client_width = 556;  // below the menu bar
inline constexpr int client_height = 806;
inline constexpr int outer_width = 562;  // the size the start position is centred by
inline constexpr int outer_height = 854;

enum class control_kind {
  transparent_label,
  dialog_component,
  combo_box,
  button,
  check_box,
  progress_bar,
  label,
  edit_field,
  group_box,
};

// What a control's event runs; `none` means using the control does nothing.
enum class binding {
  none,
  unfinished_notice,  // left press on a transparent label
  case_flag,          // click on the check box "区分大小写"
  delete_spaces,
  delete_line_breaks,
  delete_tab_line_breaks,
  delete_content,
  delete_all,
  delete_repeated_characters,
  delete_repeated_lines,
  to_byte_list,
  from_byte_list,
  to_hex_dump,
  to_upper_case,
  to_lower_case,
  normalise_full_width,  // the source field loses the focus
};

struct control_def {
  std::string_view name;
  control_kind kind;
  std::string_view parent;  // empty: the main window's client area
  int x, y, width, height;
  std::string_view caption;                 // a combo box: the text its edit part shows
  std::span<const std::string_view> items;  // a combo box's list entries
  std::string_view label;                   // the label whose caption names this control
  binding event;
};

// The commands of the menu items; the menu bar's own handlers bind them.
enum class menu_command {
  none,
  load_source,
  load_content,
  exit,
  notice_advanced,
  notice_version,
  notice_help,
  notice_author,
  notice_update,
  notice_bug_report,
  notice_support,
};

struct menu_item_def {
  int level;                 // 0: a menu of the bar; 1: an item of the menu above it
  std::string_view caption;  // "-" draws a separator line
  menu_command command;
};

inline constexpr std::string_view keep_items[] = {"保留IP", "自定义"};
inline constexpr std::string_view compare_items[] = {"快速对比"};

inline constexpr std::string_view source_field = "编辑框1";
inline constexpr std::string_view content_field = "编辑框2";
inline constexpr std::string_view result_field = "编辑框3";

// The tables live in their own namespace so that the short enumerator names
// used in them do not meet the core's functions of the same name.
namespace window_def {

using enum control_kind;
using enum binding;

// One row per control, in definition order.
// clang-format off
inline constexpr std::array<control_def, 39> controls{{
    {"透明标签4", transparent_label, "分组框4", 98, 301, 104, 32, {}, {}, {}, unfinished_notice},
    {"透明标签1", transparent_label, "分组框4", 10, 13, 184, 200, {}, {}, {}, unfinished_notice},
    {"通用对话框1", dialog_component, {}, 8, -16, 26, 26, {}, {}, {}, none},
    {"组合框5", combo_box, "分组框4", 90, 184, 100, 20, "无", keep_items, {}, none},
    {"按钮1保留指定", button, "分组框4", 8, 176, 80, 32, "保留指定", {}, {}, none},
    {"选择框2", check_box, "分组框4", 103, 306, 96, 24, "显示处理进度", {}, {}, none},
    {"选择框1是否区分大小写", check_box, "分组框4", 8, 306, 96, 24, "区分大小写", {}, {}, case_flag},
    {"组合框4", combo_box, "分组框4", 90, 21, 100, 20, "无", {}, {}, none},
    {"组合框3", combo_box, "分组框4", 90, 61, 100, 20, "无", {}, {}, none},
    {"组合框2", combo_box, "分组框4", 90, 101, 100, 20, "无", {}, {}, none},
    {"组合框1", combo_box, "分组框4", 90, 141, 100, 20, "无", compare_items, {}, none},
    {"按钮3删除重复行", button, "分组框3", 104, 96, 80, 32, "重复行", {}, {}, delete_repeated_lines},
    {"按钮4转换字节集", button, "分组框1", 112, 13, 80, 32, "字节集", {}, {}, to_byte_list},
    {"进度条1", progress_bar, {}, 344, 766, 208, 24, {}, {}, {}, none},
    {"按钮14清除TAB", button, "分组框3", 8, 56, 80, 32, "Tab", {}, {}, delete_tab_line_breaks},
    {"标签3", label, {}, 8, 536, 98, 24, "文本③(处理结果)：", {}, {}, none},
    {"编辑框3", edit_field, {}, 8, 559, 336, 232, {}, {}, "标签3", none},
    {"按钮20高级搜索", button, "分组框4", 8, 16, 80, 32, "搜索", {}, {}, none},
    {"按钮18高级加密", button, "分组框4", 8, 56, 80, 32, "加密", {}, {}, none},
    {"按钮15高级解密", button, "分组框4", 8, 96, 80, 32, "解密", {}, {}, none},
    {"按钮19高级对比", button, "分组框4", 8, 136, 80, 32, "对比", {}, {}, none},
    {"分组框4", group_box, "分组框2", 6, 411, 202, 389, "高级", {}, {}, none},
    {"按钮14删除全部", button, "分组框3", 8, 136, 80, 32, "全部", {}, {}, delete_all},
    {"按钮6删除指定", button, "分组框3", 8, 96, 80, 32, "删除指定", {}, {}, delete_content},
    {"按钮3删除重复字符", button, "分组框3", 104, 56, 80, 32, "重复字符", {}, {}, delete_repeated_characters},
    {"按钮2删除换行符", button, "分组框3", 104, 17, 80, 32, "换行符", {}, {}, delete_line_breaks},
    {"按钮1删除空格", button, "分组框3", 8, 16, 80, 32, "空格", {}, {}, delete_spaces},
    {"分组框3", group_box, "分组框2", 6, 190, 202, 218, "删除", {}, {}, none},
    {"按钮8转换十六进制", button, "分组框1", 112, 53, 80, 32, "文本→十六进制", {}, {}, to_hex_dump},
    {"按钮4转换文本", button, "分组框1", 16, 13, 80, 32, "字节集→文本", {}, {}, from_byte_list},
    {"按钮5转换八进制", button, "分组框1", 16, 53, 80, 32, "文本→八进制", {}, {}, none},
    {"按钮10", button, "分组框1", 16, 133, 80, 32, "字母小写", {}, {}, to_lower_case},
    {"按钮11", button, "分组框1", 16, 93, 80, 32, "字母大写", {}, {}, to_upper_case},
    {"分组框1", group_box, "分组框2", 6, 14, 202, 170, "转换", {}, {}, none},
    {"标签2", label, {}, 8, 8, 98, 24, "文本①(源文本)：", {}, {}, none},
    {"标签1", label, {}, 8, 268, 98, 24, "文本②(处理内容)：", {}, {}, none},
    {"编辑框2", edit_field, {}, 8, 296, 336, 232, {}, {}, "标签1", none},
    {"编辑框1", edit_field, {}, 8, 32, 336, 232, {}, {}, "标签2", normalise_full_width},
    {"分组框2", group_box, {}, 344, 16, 208, 744, "操作", {}, {}, none},
}};

// The controls that take the focus, in the order Tab visits them.
inline constexpr std::array<std::string_view, 28> tab_order{
    "编辑框1",        "编辑框2",          "按钮11",          "按钮10",
    "按钮5转换八进制", "按钮4转换文本",     "按钮8转换十六进制", "按钮1删除空格",
    "按钮2删除换行符", "按钮3删除重复字符", "按钮6删除指定",     "按钮14删除全部",
    "按钮19高级对比",  "按钮15高级解密",    "按钮18高级加密",    "按钮20高级搜索",
    "编辑框3",        "按钮14清除TAB",     "按钮4转换字节集",   "按钮3删除重复行",
    "组合框1",        "组合框2",          "组合框3",          "组合框4",
    "选择框1是否区分大小写", "选择框2",     "按钮1保留指定",     "组合框5",
};
// clang-format on

inline constexpr std::array<menu_item_def, 15> menu_bar{{
    {0, "文件", menu_command::none},
    {1, "载入文本1", menu_command::load_source},
    {1, "载入文本2", menu_command::load_content},
    {1, "-", menu_command::none},
    {1, "退出", menu_command::exit},
    {0, "选项", menu_command::none},
    {1, "高级", menu_command::notice_advanced},
    {0, "关于", menu_command::none},
    {1, "版本", menu_command::notice_version},
    {1, "帮助", menu_command::notice_help},
    {1, "作者", menu_command::notice_author},
    {1, "更新", menu_command::notice_update},
    {1, "反馈BUG", menu_command::notice_bug_report},
    {1, "提出意见", menu_command::none},
    {1, "支持作者", menu_command::notice_support},
}};

}  // namespace window_def

// Notice N8: the answer of the two transparent labels.
inline constexpr std::string_view unfinished_notice_text =
    "当前版本为测试版，部分功能暂时未完善！下一个版本功能更多，尽情关注！";
inline constexpr std::string_view clear_question = "你真的要把文本①、文本②、文本③全部清空吗？";
inline constexpr std::string_view clear_caption = "警告";
inline constexpr std::string_view default_caption = "信息：";

}  // namespace mosuo
