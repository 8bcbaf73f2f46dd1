#include "res/DialogTemplate.h"
#include "res/FrameResources.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QKeySequence>
#include <QString>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(Resources, TemplatesAreConsistent)
{
    for (int nId : {res::IDD_ABOUTBOX, res::IDD_VADEL_FORM, res::IDD_SETUP}) {
        const res::DLGTEMPLATE* p = res::FindDialogTemplate(nId);
        ASSERT_NE(p, nullptr) << nId;
        std::set<int> ids;
        for (const res::DLGITEM& item : p->items) {
            // Every item inside the dialog, every addressed id unique.
            EXPECT_GE(item.x, 0);
            EXPECT_GE(item.y, 0);
            EXPECT_LE(item.x + item.cx, p->cx) << nId << "/" << item.nId;
            EXPECT_LE(item.y + item.cy, p->cy) << nId << "/" << item.nId;
            if (item.nId != res::IDC_STATIC) {
                EXPECT_TRUE(ids.insert(item.nId).second) << nId << "/" << item.nId;
            }
        }
    }
    EXPECT_EQ(res::FindDialogTemplate(999), nullptr);

    const res::DLGTEMPLATE& setup = *res::FindDialogTemplate(res::IDD_SETUP);
    EXPECT_EQ(setup.items[0].nId, res::IDOK);  // first in tab order: the dialog opens on OK
    EXPECT_EQ(setup.items[1].nId, res::IDCANCEL);

    const res::DLGTEMPLATE& about = *res::FindDialogTemplate(res::IDD_ABOUTBOX);
    EXPECT_STREQ(about.szCaption, "About Vadel");
    EXPECT_STREQ(about.items[1].szText, "Vadel Version 1.0");
    EXPECT_EQ(QString(about.items[2].szText).count('\n'), 1);
}

TEST(Resources, StringTable)
{
    EXPECT_EQ(res::LoadString(res::IDS_APP_TITLE), "Vadel");
    EXPECT_EQ(res::LoadString(res::IDS_IDLEMESSAGE), "Ready");
    EXPECT_EQ(res::LoadString(res::ID_INDICATOR_CAPS), "CAP");
    EXPECT_EQ(res::LoadString(res::ID_INDICATOR_NUM), "NUM");
    EXPECT_EQ(res::LoadString(res::ID_INDICATOR_SCRL), "SCRL");
    EXPECT_EQ(res::LoadString(res::IDS_UNTITLED), "Untitled");
    EXPECT_FALSE(res::HasString(res::IDP_OLE_INIT_FAILED));
    for (int nId = res::ID_FILE_MRU_FILE1; nId <= res::ID_FILE_MRU_LAST; ++nId)
        EXPECT_EQ(res::LoadString(nId), "Open this document") << nId;

    const std::string_view prompt = res::LoadString(res::ID_FILE_SAVE_AS);
    EXPECT_EQ(res::PromptStatusText(prompt), "Save the active document with a new name");
    EXPECT_EQ(res::PromptTooltip(prompt), "Save As");
    EXPECT_EQ(res::PromptTooltip(res::LoadString(res::ID_FILE_MRU_FILE1)), "");

    const char* fields[] = {"Vadel", "", "Vadel", "", "", "Vadel.Document", "Vadel.Document"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(res::DocStringField(i), fields[i]) << i;
    EXPECT_EQ(res::DocStringField(7), "");
}

TEST(Resources, MenuAcceleratorsAndToolbarAgree)
{
    std::set<int> accelerated;
    for (const res::ACCEL& accel : res::GetAccelerators()) {
        const QKeySequence keys = QKeySequence::fromString(accel.szKeys, QKeySequence::PortableText);
        EXPECT_EQ(keys.count(), 1) << accel.szKeys;
        EXPECT_FALSE(keys[0].key() == Qt::Key_unknown) << accel.szKeys;
        EXPECT_EQ(QString(accel.szKeys).endsWith(accel.szKey), true) << accel.szKeys;
        accelerated.insert(accel.nCmd);
    }
    int nItems = 0;
    for (const res::MENUPOPUP& popup : res::GetMainMenu()) {
        for (const res::MENUITEM& item : popup.items) {
            if (item.dwFlags & res::MF_SEPARATOR)
                continue;
            ++nItems;
            // Every command has a prompt; a key text in the item names a real accelerator.
            EXPECT_TRUE(res::HasString(item.nId)) << item.szText;
            const QString strText = item.szText;
            const qsizetype nTab = strText.indexOf('\t');
            if (nTab < 0)
                continue;
            const QString strKeys = strText.mid(nTab + 1);
            bool bFound = false;
            for (const res::ACCEL& accel : res::GetAccelerators())
                bFound |= accel.nCmd == item.nId && strKeys == accel.szKeys;
            EXPECT_TRUE(bFound) << item.szText;
        }
    }
    EXPECT_EQ(nItems, 13);
    EXPECT_EQ(accelerated.count(res::ID_NEXT_PANE), 1u);

    const auto buttons = res::GetToolbarButtons();
    ASSERT_EQ(buttons.size(), 10u);
    for (int nCmd : buttons) {
        // Print has no prompt, which is why its button stays disabled.
        if (nCmd != res::ID_SEPARATOR) {
            EXPECT_EQ(res::HasString(nCmd), nCmd != res::ID_FILE_PRINT) << nCmd;
        }
    }
}

}  // namespace
