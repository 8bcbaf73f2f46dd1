#pragma once
// Help > About: the program's name, version and the maker's notice.
#include "platform/forms/CDialog.h"

class CAboutBox : public CDialog {
public:
    explicit CAboutBox(QWidget* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
};
