// The About box: product picture, name and version, the mail and web links, the slogan and the
// notice; a sound plays while it is shown.
#pragma once
#include "ui/controls.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/picture.h"
#include "ui/shell.h"
#include "ui/sound.h"
#include "ui/tool_tips.h"

class TAboutBox : public ui::Form {
    // Before the labels that use it.
    ui::FontHandle boldFont_;

public:
    explicit TAboutBox(ui::Sound& sound = ui::SystemSound(), ui::Shell& shell = ui::SystemShell());

    ui::Panel Panel1;
    ui::Picture ProgramIcon;
    ui::Label ProductName;
    ui::Label Version;
    ui::IconImage Image1;
    ui::Label Label3;
    ui::Label Label4;
    ui::IconImage Image2;
    ui::Label Label1;
    ui::Label Label2;
    ui::Label Comments;
    ui::Label Label5;
    ui::Label Label6;
    ui::Label Label7;
    ui::Label Copyright;
    ui::ToolTips Hints;

    // Starts the sound. Bound to every activation of the box, not to its creation.
    void FormCreate();
    void Label2Click();
    void Label4Click();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void SetUpLinks();

    ui::Sound& sound_;
    ui::Shell& shell_;
};
