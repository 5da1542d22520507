#include "app/virtual_key.h"

#include <Qt>
#include <gtest/gtest.h>

namespace kelvo {
namespace {

struct KeyRow {
    int qtKey;
    int virtualKey;
};
constexpr KeyRow kKeys[] = {
    {Qt::Key_A, 65},        {Qt::Key_Z, 90},      {Qt::Key_0, 48},        {Qt::Key_9, 57},
    {Qt::Key_F1, 112},      {Qt::Key_F24, 135},   {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},
    {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},  {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},      {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},   {Qt::Key_unknown, 0},
};

TEST(VirtualKey, MapsQtKeysToWindowsCodes) {
    for (const auto& row : kKeys) {
        SCOPED_TRACE(row.qtKey);
        EXPECT_EQ(VirtualKeyFromQt(row.qtKey), row.virtualKey);
    }
}

} // namespace
} // namespace kelvo
