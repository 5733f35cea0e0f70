// The main window's widget tree: every widget with its declared bounds,
// fonts, colours, captions and drawing, created in the order that gives
// the scene its starting stacking, and every event bound to its handler.
// FormCreate (form_create.cpp) and the loading sequence (loading.cpp)
// move things from here.
#include <set>

#include "app/bold_font.h"
#include "app/form1.h"
#include "game/depot.h"

namespace {

// The form carries a few pictures of its own (signs, poles, button
// labels). They ship in a folder of their own; one that is missing is a
// packaging fault, not a game event: the picture layer says so on stderr
// (once per file while the window is built), and no message box is shown.
class Artwork {
public:
    void Give(TPicture& picture, const AnsiString& name) {
        const AnsiString path = "Textures/Form/" + name + ".bmp";
        if (missing_.count(path)) return;
        if (!picture.LoadDesignTime(path)) missing_.insert(path);
    }

private:
    std::set<AnsiString> missing_;
};

TImage* Image(TWinControl* parent, const AnsiString& name, int left, int top, int width, int height) {
    auto* img = new TImage(parent, name);
    img->SetBounds(left, top, width, height);
    return img;
}

// A fixed-size picture drawn without transparency (panels, previews).
TImage* OpaqueFixedImage(TWinControl* parent, const AnsiString& name, int left, int top, int width,
                         int height) {
    TImage* img = Image(parent, name, left, top, width, height);
    img->AutoSize = false;
    img->Transparent = false;
    return img;
}

TImage* OpaqueImage(TWinControl* parent, const AnsiString& name, int left, int top, int width, int height) {
    TImage* img = Image(parent, name, left, top, width, height);
    img->Transparent = false;
    return img;
}

TLabel* Label(TWinControl* parent, const AnsiString& name, int left, int top, const TFont& font,
              const AnsiString& caption) {
    auto* lab = new TLabel(parent, name);
    lab->Left = left;
    lab->Top = top;
    lab->SetFont(font);
    lab->SetCaption(caption);
    return lab;
}

// A push button that shows a picture instead of a text caption.
TBitBtn* PictureButton(Artwork& art, TWinControl* parent, const AnsiString& name, int left, int top, int width,
                       int height) {
    auto* btn = new TBitBtn(parent, name);
    btn->SetBounds(left, top, width, height);
    art.Give(*btn->Glyph, name);
    return btn;
}

// A button that is never seen, only pressed by its accelerator key.
TBitBtn* KeyButton(TWinControl* parent, const AnsiString& name, const AnsiString& caption, int left, int top) {
    auto* btn = new TBitBtn(parent, name);
    btn->SetBounds(left, top, 35, 25);
    btn->Caption = caption;
    return btn;
}

TPanel* Panel(TWinControl* parent, const AnsiString& name, int left, int top, int width, int height) {
    auto* pan = new TPanel(parent, name);
    pan->SetBounds(left, top, width, height);
    return pan;
}

TMemo* BlackMemo(TWinControl* parent, const AnsiString& name, int left, int top, int width, int height,
                 const TFont& font) {
    auto* memo = new TMemo(parent, name);
    memo->SetBounds(left, top, width, height);
    memo->Color = clBlack;
    memo->Font = font;
    memo->ReadOnly = true;
    return memo;
}

// The red-light and stop warnings: a small picture over a pie gauge.
TCGauge* WarningGauge(TWinControl* parent, const AnsiString& name) {
    auto* cg = new TCGauge(parent, name);
    cg->SetBounds(8, 96, 81, 25);
    cg->Kind = gkPie;
    cg->Color = clMaroon;
    cg->ForeColor = clRed;
    cg->BackColor = clBlack;
    cg->Font = BoldFont("Verdana", 11, clBlack);
    cg->SetProgress(50);
    return cg;
}

TTimer* Timer(TForm* owner, const AnsiString& name, int interval, bool enabled) {
    auto* t = new TTimer(owner, name);
    t->SetInterval(interval);
    t->SetEnabled(enabled);
    return t;
}

AnsiString Numbered(const char* stem, int n) { return stem + IntToStr(n); }

}  // namespace

TForm1::TForm1() {
    Artwork art;
    Name = "Form1";
    Caption = "Velmora";
    BorderStyle = bsSingle;
    ClientWidth = 1172;
    ClientHeight = 782;
    SetBounds(0, 0, 1172, 782);
    Color = clBtnFace;
    Font = TFont{};  // MS Sans Serif, 11 px
    OnCreate = [this](TObject* s) { FormCreate(s); };

    // --- the scene and the dashboard pictures, bottom to top -------------
    imgSchema = OpaqueImage(this, "imgSchema", 2, 538, 613, 230);
    imgTramvaj = Image(this, "imgTramvaj", 5, 315, 1015, 180);
    imgUPpanel = OpaqueImage(this, "imgUPpanel", 0, 0, 1024, 50);
    imgDOWNpanel = OpaqueImage(this, "imgDOWNpanel", 615, 538, 407, 230);
    imgKrajina2 = Image(this, "imgKrajina2", 704, 224, 65, 41);
    imgKrajina1 = Image(this, "imgKrajina1", 632, 224, 65, 41);
    imgSilnice2 = Image(this, "imgSilnice2", 704, 268, 65, 37);
    imgSilnice1 = Image(this, "imgSilnice1", 632, 268, 65, 37);
    imgTramvajPozadi = Image(this, "imgTramvajPozadi", 41, 393, 933, 91);

    imgDvere[0] = Image(this, "imgDvere1", 918, 233, 103, 73);
    const int doorLefts[5] = {914, 720, 485, 250, 56};
    for (int i = 1; i < 6; ++i) imgDvere[i] = Image(this, Numbered("imgDvere", i + 1), doorLefts[i - 1], 406, 46, 75);

    imgStanice = Image(this, "imgStanice", 790, 238, 51, 59);

    // The 92 passengers: no picture until they first appear; their declared
    // places lie under the menu panel.
    for (int i = 0; i < 92; ++i)
        Clovek[i] = Image(this, Numbered("Clovek", i + 1), 8 + (i % 46) * 22, 104 + (i / 46) * 64, 15, 55);
    Clovek[91]->AutoSize = false;

    labKasa = Label(this, "labKasa", 736, 10, BoldFont("Arial", 24, clLime), "0");
    labObsazenoMist = Label(this, "labObsazenoMist", 972, 592, BoldFont("Arial", 32, clAqua), "0");
    labVolnychMist = Label(this, "labVolnychMist", 972, 544, BoldFont("Arial", 32, clAqua), "0");
    labZrychlitNa = Label(this, "labZrychlitNa", 670, 544, BoldFont("Arial", 32, clLime), "0");
    labAktualniRychlost = Label(this, "labAktualniRychlost", 670, 592, BoldFont("Arial", 32, clLime), "0");

    const int wheelLefts[4] = {815, 578, 348, 105};
    for (int i = 3; i >= 0; --i) imgKola[i] = Image(this, Numbered("imgKola", i + 1), wheelLefts[i], 471, 90, 22);

    labMinuty = Label(this, "labMinuty", 758, 544, BoldFont("Verdana", 37, clLime, DEFAULT_CHARSET), "00");
    labSekundy = Label(this, "labSekundy", 832, 544, BoldFont("Verdana", 37, clLime), "00");
    Label11 = Label(this, "Label11", 814, 542, BoldFont("Verdana", 37, clSilver), ":");

    imgSemafor = Image(this, "imgSemafor", 648, 256, 48, 250);
    art.Give(*imgSemafor->Picture, "imgSemafor");

    // Passengers carried per class (Elita, Urednici, Delnici, Nemajetni)
    // and the level goals beside them.
    labElitaPrevezeno = Label(this, "labElitaPrevezeno", 770, 610, BoldFont("Arial", 21, clWhite), "1500");
    labUredniciPrevezeno = Label(this, "labUredniciPrevezeno", 770, 651, BoldFont("Arial", 21, clAqua), "1500");
    labDelniciPrevezeno = Label(this, "labDelniciPrevezeno", 770, 691, BoldFont("Arial", 21, clGreen), "1500");
    labNemajetniPrevezeno = Label(this, "labNemajetniPrevezeno", 770, 732, BoldFont("Arial", 21, clSilver), "1500");
    labElitaCil = Label(this, "labElitaCil", 848, 610, BoldFont("Arial", 21, clRed), "1500");
    labUredniciCil = Label(this, "labUredniciCil", 848, 651, BoldFont("Arial", 21, clRed), "1500");
    labDelniciCil = Label(this, "labDelniciCil", 848, 691, BoldFont("Arial", 21, clRed), "1500");
    labNemajetniCil = Label(this, "labNemajetniCil", 848, 732, BoldFont("Arial", 21, clRed), "1500");

    imgStanice2 = Image(this, "imgStanice2", 846, 238, 59, 59);
    imgZnacka = Image(this, "imgZnacka", 760, 382, 35, 124);
    imgSloup1 = Image(this, "imgSloup1", 976, 312, 15, 151);
    art.Give(*imgSloup1->Picture, "imgSloup1");
    imgSloup2 = Image(this, "imgSloup2", 1000, 312, 15, 151);
    art.Give(*imgSloup2->Picture, "imgSloup2");

    for (int i = 0; i < 4; ++i) imgAutoDoprava[i] = Image(this, Numbered("imgAutoDoprava", i + 1), 8 + 56 * i, 88, 49, 49);
    for (int i = 0; i < 4; ++i) imgAutoDoleva[i] = Image(this, Numbered("imgAutoDoleva", i + 1), 256 + 56 * i, 88, 49, 49);

    for (int i = 0; i < 20; ++i) {
        Kolemjdouci[i] = Image(this, Numbered("Kolemjdouci", i + 1), 480 + 24 * i, 104, 15, 55);
        art.Give(*Kolemjdouci[i]->Picture, "Kolemjdouci");
    }

    imgDisplej1 = OpaqueFixedImage(this, "imgDisplej1", 568, 56, 30, 30);
    art.Give(*imgDisplej1->Picture, "imgDisplej1");
    imgDisplej2 = OpaqueFixedImage(this, "imgDisplej2", 608, 56, 30, 30);
    art.Give(*imgDisplej2->Picture, "imgDisplej2");

    labPrijem = Label(this, "labPrijem", 808, 56, BoldFont("Arial", 32, clYellow), "$0");
    labPrijem->Transparent = false;
    labPrijem->Color = clNavy;

    imgPrechodProChodce = Image(this, "imgPrechodProChodce", 8, 296, 74, 84);
    art.Give(*imgPrechodProChodce->Picture, "imgPrechodProChodce");

    Shape1 = new TShape(this, "Shape1");
    Shape1->SetBounds(8, 544, 15, 15);
    Shape1->Shape = stCircle;
    Shape1->BrushColor = clFuchsia;
    Shape1->PenColor = clBlack;

    // --- keyboard-only buttons, right of the playing area ------------------
    btnSpeed0 = KeyButton(this, "btnSpeed0", "&Q", 1088, 544);
    btnSpeed15 = KeyButton(this, "btnSpeed15", "&W", 1088, 576);
    btnSpeed30 = KeyButton(this, "btnSpeed30", "&E", 1088, 608);
    btnSpeed45 = KeyButton(this, "btnSpeed45", "&R", 1088, 640);
    btnSpeed60 = KeyButton(this, "btnSpeed60", "&T", 1088, 672);
    btnDvere = KeyButton(this, "btnDvere", "&D", 1128, 544);

    BitBtn1 = PictureButton(art, this, "BitBtn1", 899, 8, 105, 32);
    BitBtn1->Layout = blGlyphBottom;
    BitBtn1->Font = BoldFont("Arial", 13, clBlack);

    // --- warnings -----------------------------------------------------------
    panVystrahaSemafor = Panel(this, "panVystrahaSemafor", 618, 639, 97, 125);
    panVystrahaSemafor->Color = clMaroon;
    panVystrahaSemafor->BevelOuter = bvNone;
    panVystrahaSemafor->Visible = false;
    imgVystraha = Image(panVystrahaSemafor, "imgVystraha", 32, 2, 39, 89);
    art.Give(*imgVystraha->Picture, "imgVystraha");
    cgVystrahaSemafor = WarningGauge(panVystrahaSemafor, "cgVystrahaSemafor");

    panVystrahaStanice = Panel(this, "panVystrahaStanice", 924, 639, 95, 125);
    panVystrahaStanice->Color = clMaroon;
    panVystrahaStanice->BevelOuter = bvNone;
    panVystrahaStanice->Visible = false;
    Image1 = Image(panVystrahaStanice, "Image1", 28, 2, 39, 89);
    art.Give(*Image1->Picture, "Image1");
    cgVystrahaStanice = WarningGauge(panVystrahaStanice, "cgVystrahaStanice");

    // --- main menu and loading screen ----------------------------------------
    panMainMenu = Panel(this, "panMainMenu", 656, 520, 465, 561);
    imgMainMenu = OpaqueImage(panMainMenu, "imgMainMenu", 8, 8, 105, 105);
    const char* menuCaptions[5] = {"TUTORIAL", "NEW GAME", "CONTINUE GAME", "PLAY ANOTHER GAMES", "QUIT GAME"};
    TLabel** menuLabels[5] = {&labMenu1, &labMenu2, &labMenu3, &labMenu4, &labMenu5};
    const int menuLefts[5] = {420, 410, 360, 296, 410};
    for (int i = 0; i < 5; ++i)
        *menuLabels[i] = Label(panMainMenu, Numbered("labMenu", i + 1), menuLefts[i], 290 + 50 * i,
                               BoldFont("Arial", 37, clBlack), menuCaptions[i]);
    imgLoading = OpaqueFixedImage(panMainMenu, "imgLoading", 8, 120, 73, 73);
    // Navy: readable on the light box the intro picture keeps for the bar.
    labLoading = Label(panMainMenu, "labLoading", 40, 272, BoldFont("Arial", 16, clNavy), "... loadning game ...");
    imgAutoMenuDoprava = Image(panMainMenu, "imgAutoMenuDoprava", 120, 8, 57, 41);
    imgAutoMenuDoleva = Image(panMainMenu, "imgAutoMenuDoleva", 192, 8, 57, 41);

    panUpozorneni = Panel(panMainMenu, "panUpozorneni", 256, 8, 185, 41);
    panUpozorneni->Visible = false;
    imgUpozorneni = OpaqueFixedImage(panUpozorneni, "imgUpozorneni", 0, 0, 185, 41);
    btnUpozorneniAno = PictureButton(art, panUpozorneni, "btnUpozorneniAno", 8, 8, 80, 25);
    btnUpozorneniNe = PictureButton(art, panUpozorneni, "btnUpozorneniNe", 96, 8, 80, 25);

    // --- depot ------------------------------------------------------------------
    // Placeholder places; the depot lays its children out itself.
    panPrestavka = Panel(this, "panPrestavka", 0, 48, 1025, 490);
    panPrestavka->Color = cl3DDkShadow;
    panPrestavka->Visible = false;
    imgPrestavka = OpaqueImage(panPrestavka, "imgPrestavka", 0, 0, 1025, 490);
    imgZmenitLinku = OpaqueFixedImage(panPrestavka, "imgZmenitLinku", 40, 60, 120, 120);
    imgZmenitVuz = OpaqueFixedImage(panPrestavka, "imgZmenitVuz", 380, 60, 120, 120);
    imgNovaTramvaj = OpaqueFixedImage(panPrestavka, "imgNovaTramvaj", 720, 60, 120, 120);
    const TFont depotFont = BoldFont("Arial", 16, clWhite);
    struct StaticLabel {
        TLabel** widget;
        const char* name;
        int left, top;
        const char* caption;
    };
    const StaticLabel depotLabels[] = {
        {&Label6, "Label6", 40, 20, "Select line"},       {&Label8, "Label8", 380, 20, "Select tram"},
        {&Label22, "Label22", 720, 20, "Buy new tram"},    {&Label23, "Label23", 720, 190, "Cost:"},
        {&Label12, "Label12", 40, 400, "Newly transported:"}, {&Label18, "Label18", 40, 430, "Total transported:"},
        {&Label19, "Label19", 520, 400, "Time:"},          {&Label20, "Label20", 520, 430, "Total time:"},
        {&Label9, "Label9", 680, 400, ":"},                {&Label13, "Label13", 720, 400, ":"},
        {&Label16, "Label16", 680, 430, ":"},              {&Label21, "Label21", 720, 430, ":"},
        {&labZmenitLinku, "labZmenitLinku", 170, 60, "0"}, {&labZmenitVuz, "labZmenitVuz", 510, 60, "0"},
        {&labCenaNovehoVozu, "labCenaNovehoVozu", 790, 190, "0"},
        {&labPrevezeno, "labPrevezeno", 240, 400, "0"},    {&labCelkemPrevezeno, "labCelkemPrevezeno", 240, 430, "0"},
        {&labOdjetoZaHod, "labOdjetoZaHod", 650, 400, "00"}, {&labOdjetoZaMin, "labOdjetoZaMin", 690, 400, "00"},
        {&labOdjetoZaSec, "labOdjetoZaSec", 730, 400, "00"}, {&labCasVeHreHod, "labCasVeHreHod", 650, 430, "00"},
        {&labCasVeHreMin, "labCasVeHreMin", 690, 430, "00"}, {&labCasVeHreSec, "labCasVeHreSec", 730, 430, "00"},
    };
    for (const StaticLabel& l : depotLabels)
        *l.widget = Label(panPrestavka, l.name, l.left, l.top, depotFont, l.caption);
    btnLinkaPrevious = PictureButton(art, panPrestavka, "btnLinkaPrevious", 40, 190, 40, 25);
    btnLinkaNext = PictureButton(art, panPrestavka, "btnLinkaNext", 120, 190, 40, 25);
    btnTramvajPrevious = PictureButton(art, panPrestavka, "btnTramvajPrevious", 380, 190, 40, 25);
    btnTramvajNext = PictureButton(art, panPrestavka, "btnTramvajNext", 460, 190, 40, 25);
    btnNovyKurs = PictureButton(art, panPrestavka, "btnNovyKurs", 40, 350, 200, 32);
    btnKoupitNovouTramvaj = PictureButton(art, panPrestavka, "btnKoupitNovouTramvaj", 720, 350, 200, 32);
    const TFont memoFont = BoldFont("Arial", 13, clWhite);
    memoZmenitLinku = BlackMemo(panPrestavka, "memoZmenitLinku", 40, 225, 300, 110, memoFont);
    memoNovaTramvaj = BlackMemo(panPrestavka, "memoNovaTramvaj", 720, 225, 280, 110, memoFont);
    memoZmenitVuz = BlackMemo(panPrestavka, "memoZmenitVuz", 380, 225, 300, 110, memoFont);
    LayoutDepotPanel(*this);

    // --- message bar, cover, tutorial ----------------------------------------
    panVarovani = Panel(this, "panVarovani", 8, 700, 461, 20);
    panVarovani->Color = clMaroon;
    panVarovani->Visible = false;
    labVarovani = Label(panVarovani, "labVarovani", 1, 1, BoldFont("Arial", 15, clYellow),
                        "Byl jste penalizov\xE1n za p\xF8" "ekro\xE8" "en\xED maxim\xE1ln\xED povolen\xE9 rychlosti !");
    labVarovani->Transparent = false;
    labVarovani->ParentColor = true;
    panVarovani->AutoSize = true;
    panVarovani->ChildResized(labVarovani);

    panKryti = Panel(this, "panKryti", 1032, 0, 25, 41);
    panKryti->Color = clBlack;
    panKryti->BevelOuter = bvNone;

    memoTutorial = BlackMemo(this, "memoTutorial", 16, 56, 993, 169, BoldFont("Arial", 13, clWhite));
    memoTutorial->Enabled = false;
    memoTutorial->Visible = false;

    btnTutorial = PictureButton(art, this, "btnTutorial", 941, 206, 66, 18);
    btnTutorial->Visible = false;

    tDvere = Timer(this, "tDvere", 100, false);
    tSemafor = Timer(this, "tSemafor", 30000, true);
    tMainTimer = Timer(this, "tMainTimer", 10, true);
    tStart = Timer(this, "tStart", 100, true);

    // --- events -----------------------------------------------------------------
    btnSpeed0->OnClick = [this](TObject* s) { btnSpeed0Click(s); };
    btnSpeed15->OnClick = [this](TObject* s) { btnSpeed15Click(s); };
    btnSpeed30->OnClick = [this](TObject* s) { btnSpeed30Click(s); };
    btnSpeed45->OnClick = [this](TObject* s) { btnSpeed45Click(s); };
    btnSpeed60->OnClick = [this](TObject* s) { btnSpeed60Click(s); };
    btnDvere->OnClick = [this](TObject* s) { btnDvereClick(s); };
    BitBtn1->OnClick = [this](TObject* s) { BitBtn1Click(s); };
    labMenu1->OnClick = [this](TObject* s) { labMenu1Click(s); };
    labMenu2->OnClick = [this](TObject* s) { labMenu2Click(s); };
    labMenu3->OnClick = [this](TObject* s) { labMenu3Click(s); };
    labMenu4->OnClick = [this](TObject* s) { labMenu4Click(s); };
    labMenu5->OnClick = [this](TObject* s) { labMenu5Click(s); };
    labMenu1->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { labMenu1MouseMove(s, sh, x, y); };
    labMenu2->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { labMenu2MouseMove(s, sh, x, y); };
    labMenu3->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { labMenu3MouseMove(s, sh, x, y); };
    labMenu4->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { labMenu4MouseMove(s, sh, x, y); };
    labMenu5->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { labMenu5MouseMove(s, sh, x, y); };
    btnUpozorneniAno->OnClick = [this](TObject* s) { btnUpozorneniAnoClick(s); };
    btnUpozorneniNe->OnClick = [this](TObject* s) { btnUpozorneniNeClick(s); };
    labVarovani->OnClick = [this](TObject* s) { labVarovaniClick(s); };
    btnTutorial->OnClick = [this](TObject* s) { btnTutorialClick(s); };
    btnLinkaPrevious->OnClick = [this](TObject* s) { btnLinkaPreviousClick(s); };
    btnLinkaNext->OnClick = [this](TObject* s) { btnLinkaNextClick(s); };
    btnTramvajPrevious->OnClick = [this](TObject* s) { btnTramvajPreviousClick(s); };
    btnTramvajNext->OnClick = [this](TObject* s) { btnTramvajNextClick(s); };
    btnKoupitNovouTramvaj->OnClick = [this](TObject* s) { btnKoupitNovouTramvajClick(s); };
    btnNovyKurs->OnClick = [this](TObject* s) { btnNovyKursClick(s); };
    tDvere->OnTimer = [this](TObject* s) { tDvereTimer(s); };
    tSemafor->OnTimer = [this](TObject* s) { tSemaforTimer(s); };
    tMainTimer->OnTimer = [this](TObject* s) { tMainTimerTimer(s); };
    tStart->OnTimer = [this](TObject* s) { tStartTimer(s); };
}
