#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

#include <array>

using namespace ControlStyle;

namespace {

constexpr int kLineCount = 10;
constexpr int kColumnCount = 5;
constexpr int kFirstRowY = 7;
constexpr int kRowPitch = 13;
constexpr int kHeadingsY = kFirstRowY + kLineCount * kRowPitch + 3;

// Middle of each column: the three telephones, then a little apart the two edges.
constexpr std::array<int, kColumnCount> kColumnCentres = {58, 74, 90, 112, 128};

constexpr std::array<std::string_view, kLineCount> kRowLabels = {
    "Linia 1", "Linia 2", "Linia 3", "Linia 4",    "Linia 5",
    "Linia 6", "Linia 7", "Linia 8", "Linia 9/T1", "Linia 10/T2",
};

constexpr std::array<std::string_view, kColumnCount> kColumnHeadings = {
    "T\nE\nL\n1", "T\nE\nL\n2", "T\nE\nL\n3", "NO", "NC",
};

// A check box without a caption is drawn at its left edge; this puts the box in its column.
DialogRect BoxRect(int row, int column) {
    return {kColumnCentres[column] - 4, kFirstRowY + row * kRowPitch, 10, 10};
}

// The telephone headings stand one letter a line; NO and NC are written across.
DialogRect HeadingRect(int column) {
    return column < 3 ? DialogRect{kColumnCentres[column] - 2, kHeadingsY, 8, 32}
                      : DialogRect{kColumnCentres[column] - 5, kHeadingsY, 12, 8};
}

// The edge under NO falls, the one under NC rises; each picture is 21 x 24 pixels.
DialogRect EdgePictureRect(int column) {
    return {kColumnCentres[column] - 6, kHeadingsY + 21, 12, 15};
}

std::vector<ControlTemplate> Controls() {
    std::vector<ControlTemplate> controls;
    for (int row = 0; row < kLineCount; ++row) {
        controls.push_back({IDC_STATIC,
                            ControlKind::Label,
                            kRowLabels[row],
                            {7, kFirstRowY + row * kRowPitch + 1, 40, 8}});
        for (int column = 0; column < kColumnCount; ++column) {
            controls.push_back(
                {LineBoxId(row + 1, column), ControlKind::CheckBox, "", BoxRect(row, column)});
        }
    }
    for (int column = 0; column < kColumnCount; ++column) {
        controls.push_back(
            {IDC_STATIC, ControlKind::Label, kColumnHeadings[column], HeadingRect(column)});
    }
    controls.push_back({IDC_STATIC,
                        ControlKind::Label,
                        "Pobudzenie",
                        {kColumnCentres[3] - 10, kHeadingsY + 11, 40, 8}});
    controls.push_back(
        {IDC_STATIC, ControlKind::Picture, "", EdgePictureRect(3), 0, IDB_EDGE_FALLING});
    controls.push_back(
        {IDC_STATIC, ControlKind::Picture, "", EdgePictureRect(4), 0, IDB_EDGE_RISING});
    controls.push_back({IDOK, ControlKind::DefaultPushButton, "OK", {24, 189, 50, 14}});
    controls.push_back({IDCANCEL, ControlKind::PushButton, "Anuluj", {88, 189, 50, 14}});
    return controls;
}

} // namespace

const DialogTemplate& LineSettingsTemplate() {
    static const DialogTemplate kTemplate{
        IDD_LINE_SETTINGS, "Ustawienia linii meldunkowych", 162, 210, Controls(),
    };
    return kTemplate;
}
