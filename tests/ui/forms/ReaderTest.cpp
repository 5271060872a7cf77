// Reading forms from their descriptions: nested controls, published
// fields and events, references to components further down, tab orders,
// the loading states and Loaded order, forms that read their own resource,
// and errors that name their line and leave nothing behind.

#include "tests/ui/UiTestFixture.h"

#include "platform/core/Resources.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/base/Timer.h"

QZ_DECLARE_RESOURCE_TABLE(UiTestResources);

namespace uitest {
namespace {

std::vector<std::string> g_loaded;

// Notes, when Loaded comes, its own state and whether the form is still loading.
class TLoadProbe : public TComponent {
    QZ_DECLARE_CLASS(TLoadProbe, TComponent)

public:
    explicit TLoadProbe(TComponent* owner) : TComponent(owner) {}
    bool ReadingWhileSet = false;
    void SetMark(int mark)
    {
        Mark = mark;
        ReadingWhileSet = ComponentState().Contains(csReading) && ComponentState().Contains(csLoading);
    }
    int Mark = 0;

protected:
    void Loaded() override
    {
        g_loaded.push_back(Name() + (Owner()->IsLoading() ? " (owner loading)" : ""));
        TComponent::Loaded();
    }
};

QZ_IMPLEMENT_CLASS(TLoadProbe);
void TLoadProbe::Publish(TClassBuilder<TLoadProbe>& c)
{
    c.Creatable<TComponent>();
    c.Property("Mark", &TLoadProbe::Mark, &TLoadProbe::SetMark);
}

class TfrmReaderTest : public TForm {
    QZ_DECLARE_CLASS(TfrmReaderTest, TForm)

public:
    explicit TfrmReaderTest(TComponent* owner) : TForm(owner) {}

    TPanel* pnlTop = nullptr;
    TTestButton* btnOk = nullptr;
    TTimer* tmrTick = nullptr;
    int okClicks = 0;
    int created = 0;

    void btnOkClick(TObject* /*sender*/) { ++okClicks; }
    void FormCreate(TObject* /*sender*/) { ++created; }

protected:
    void Loaded() override
    {
        g_loaded.push_back(Name());
        TForm::Loaded();
    }
};

QZ_IMPLEMENT_CLASS(TfrmReaderTest);
void TfrmReaderTest::Publish(TClassBuilder<TfrmReaderTest>& c)
{
    c.Creatable<TComponent>();
    c.Field("pnlTop", &TfrmReaderTest::pnlTop);
    c.Field("btnOk", &TfrmReaderTest::btnOk);
    c.Field("tmrTick", &TfrmReaderTest::tmrTick);
    c.Method("btnOkClick", &TfrmReaderTest::btnOkClick);
    c.Method("FormCreate", &TfrmReaderTest::FormCreate);
}

// Reads its description from the resources on creation.
class TfrmResourceTest : public TForm {
    QZ_DECLARE_CLASS(TfrmResourceTest, TForm)

public:
    explicit TfrmResourceTest(TComponent* owner) : TForm(owner) {}
    TTestButton* btnClose = nullptr;
    int created = 0;
    void FormCreate(TObject* /*sender*/) { ++created; }
};

QZ_IMPLEMENT_CLASS(TfrmResourceTest);
void TfrmResourceTest::Publish(TClassBuilder<TfrmResourceTest>& c)
{
    c.Creatable<TComponent>();
    c.Field("btnClose", &TfrmResourceTest::btnClose);
    c.Method("FormCreate", &TfrmResourceTest::FormCreate);
}

constexpr const char* kDescription = R"(object frmReaderTest: TfrmReaderTest
  Left = 10
  Top = 20
  Width = 400
  Height = 300
  BorderStyle = bsNone
  Caption = '读取测试'
  ActiveControl = btnOk
  Font.Name = 'Tahoma'
  OnCreate = FormCreate
  object probeFirst: TLoadProbe
    Mark = 1
  end
  object pnlTop: TPanel
    Align = alTop
    Height = 80
    Caption = 'top'
    BevelOuter = bvLowered
    object pnlInner: TPanel
      Left = 8
      Top = 8
      Width = 200
      Height = 60
      Cursor = crHandPoint
      Anchors = [akLeft, akTop, akRight]
      object btnOk: TTestButton
        Left = 4
        Top = 4
        Default = True
        OnClick = btnOkClick
        TabOrder = 1
      end
      object btnCancel: TTestButton
        Left = 100
        Top = 4
        TabOrder = 0
      end
    end
  end
  object tmrTick: TTimer
    Interval = 250
  end
  object probeLast: TLoadProbe
    Mark = 2
  end
end
)";

class ReaderTest : public UiTest {
protected:
    ReaderTest()
    {
        g_loaded.clear();
        RegisterResources(UiTestResources());
    }
    // A form of the test class read from text, owned by the application.
    TfrmReaderTest* ReadTestForm(const std::string& text)
    {
        std::unique_ptr<TfrmReaderTest> form(new TfrmReaderTest(&App()));
        ReadForm(*form, text);
        return form.release();
    }
    // The error reading text gives; the form stays empty and is freed.
    std::string ErrorOf(const std::string& text)
    {
        auto form = std::make_unique<TfrmReaderTest>(nullptr);
        try {
            ReadForm(*form, text);
        } catch (const EReadError& e) {
            EXPECT_EQ(form->ComponentCount(), 0) << "made components were freed";
            EXPECT_EQ(form->ControlCount(), 0);
            EXPECT_FALSE(form->IsLoading());
            return e.Message;
        }
        return "(no error)";
    }
};

TEST_F(ReaderTest, ReadsNestedControlsFieldsAndEvents)
{
    TfrmReaderTest* form = ReadTestForm(kDescription);
    EXPECT_EQ(form->Name(), "frmReaderTest");
    EXPECT_EQ(form->Caption(), "读取测试");
    EXPECT_EQ(form->BoundsRect(), Bounds(10, 20, 400, 300));
    ASSERT_NE(form->pnlTop, nullptr);
    ASSERT_NE(form->btnOk, nullptr);
    ASSERT_NE(form->tmrTick, nullptr);
    auto* inner = dynamic_cast<TPanel*>(form->FindComponent("pnlInner"));
    ASSERT_NE(inner, nullptr);
    // Everything belongs to the form; controls sit in their enclosing control.
    EXPECT_EQ(form->btnOk->Owner(), form);
    EXPECT_EQ(inner->Owner(), form);
    EXPECT_EQ(form->btnOk->Parent(), inner);
    EXPECT_EQ(inner->Parent(), form->pnlTop);
    EXPECT_EQ(form->pnlTop->Parent(), form);
    EXPECT_EQ(form->pnlTop->BoundsRect(), Rect(0, 0, 400, 80)) << "aligned once loaded";
    EXPECT_EQ(form->pnlTop->BevelOuter(), bvLowered);
    EXPECT_EQ(inner->Cursor(), crHandPoint);
    EXPECT_EQ(inner->Anchors(), (TAnchors{akLeft, akTop, akRight}));
    EXPECT_EQ(form->tmrTick->Interval(), 250);
    EXPECT_TRUE(form->btnOk->Default);
    EXPECT_EQ(form->btnOk->Font()->Name(), "Tahoma") << "fonts come down from the form";
    EXPECT_EQ(form->ActiveControl(), form->btnOk) << "a reference to a later component";
    // Tab orders apply once every sibling exists.
    EXPECT_EQ(form->btnOk->TabOrder(), 1);
    EXPECT_EQ(form->FindComponent("btnCancel") ? static_cast<TWinControl*>(form->FindComponent("btnCancel"))->TabOrder()
                                                : -1,
              0);
    // The event is bound to the form's method.
    form->btnOk->Click();
    EXPECT_EQ(form->okClicks, 1);
}

TEST_F(ReaderTest, ComponentsAreLoadingWhileReadAndLoadedInTheOrderMade)
{
    TfrmReaderTest* form = ReadTestForm(kDescription);
    auto* first = dynamic_cast<TLoadProbe*>(form->FindComponent("probeFirst"));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->ReadingWhileSet);
    EXPECT_EQ(g_loaded, (std::vector<std::string>{"frmReaderTest", "probeFirst", "probeLast"}));
    for (int i = 0; i < form->ComponentCount(); ++i) {
        EXPECT_FALSE(form->Components(i)->IsLoading()) << form->Components(i)->Name();
        EXPECT_FALSE(form->Components(i)->ComponentState().Contains(csReading));
    }
    EXPECT_FALSE(form->IsLoading());
    EXPECT_EQ(form->created, 0) << "OnCreate comes with AfterConstruction, not with reading";
}

TEST_F(ReaderTest, TheFormShowsWhatWasRead)
{
    TfrmReaderTest* form = ReadTestForm(kDescription);
    form->Show();
    Pump();
    EXPECT_TRUE(form->btnOk->Focused()) << "the ActiveControl read";
    PressKey(VK_RETURN);
    EXPECT_EQ(form->okClicks, 1) << "the Default button read takes Enter";
    Click(form, "btnOk");
    EXPECT_EQ(form->okClicks, 2);
    Click(form, "btnCancel");
    EXPECT_EQ(form->okClicks, 2);
}

TEST_F(ReaderTest, AFormClassReadsItsOwnResourceWhenMade)
{
    TfrmResourceTest* form = nullptr;
    App().CreateForm(form);
    ASSERT_NE(form->btnClose, nullptr);
    EXPECT_EQ(form->Name(), "frmResourceTest");
    EXPECT_EQ(form->Caption(), "资源窗体");
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_EQ(form->ClientRect(), Rect(0, 0, 240, 120)) << "the client size waits for the border style";
    EXPECT_EQ(form->created, 1);
    EXPECT_TRUE(form->btnClose->Cancel);
    // A second form of the class gets a name of its own.
    TfrmResourceTest* second = nullptr;
    App().CreateForm(second);
    EXPECT_EQ(second->Name(), "frmResourceTest_1");
    EXPECT_NE(second->btnClose, form->btnClose);
}

struct ErrorCase {
    const char* text;
    const char* message;
};

class ReaderErrorTest : public ReaderTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ReaderErrorTest, ErrorsNameTheirLineAndFreeWhatWasMade)
{
    EXPECT_EQ(ErrorOf(GetParam().text), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ReaderErrorTest,
    ::testing::Values(
        ErrorCase{"object f: TfrmReaderTest\n  object pnlTop: TPanel\n    object x: TNoSuchClass\n    end\n  end\nend",
                  "Line 3: Class TNoSuchClass not found"},
        ErrorCase{"object f: TfrmReaderTest\n  object pnlTop: TPanel\n    Colour = clRed\n  end\nend",
                  "Line 3: Property Colour does not exist"},
        ErrorCase{"object f: TfrmReaderTest\n  object p: TPanel\n    Align = alSideways\n  end\nend",
                  "Line 3: Invalid property value for Align: 'alSideways' is not a TAlign value"},
        ErrorCase{"object f: TfrmReaderTest\n  ActiveControl = btnNowhere\nend",
                  "Line 2: Component btnNowhere does not exist"},
        ErrorCase{"object f: TfrmReaderTest\n  object a: TPanel\n  end\n  object A: TPanel\n  end\nend",
                  "Line 4: A component named A already exists"},
        ErrorCase{"object f: TfrmReaderTest\n  object x: TSizeConstraints\n  end\nend",
                  "Line 2: TSizeConstraints is not a component class"},
        ErrorCase{"object f: TfrmReaderTest\n  object b: TTestButton\n    OnClick = NoSuchMethod\n  end\nend",
                  "Line 3: Method NoSuchMethod does not exist"},
        ErrorCase{"object f: TfrmReaderTest\n  object b: TPanel\n    Cursor = crSpinning\n  end\nend",
                  "Line 3: Invalid property value for Cursor: crSpinning"}));

TEST_F(ReaderTest, AnUnknownClassIsAClassNotFoundError)
{
    auto form = std::make_unique<TfrmReaderTest>(nullptr);
    EXPECT_THROW(ReadForm(*form, "object f: TfrmReaderTest\n  object x: TNope\n  end\nend"), EClassNotFound);
}

TEST_F(ReaderTest, ControlsNeedAWindowedControlAroundThem)
{
    TComponent root(nullptr);
    try {
        ReadForm(root, "object dm: TDataModule\n  object p: TPanel\n  end\nend");
        FAIL() << "a control without a parent was read";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message, "Line 2: TPanel needs a windowed parent");
    }
    EXPECT_EQ(root.ComponentCount(), 0);
    // Inside a component that is no control, controls take the nearest windowed control.
    TfrmReaderTest* form = ReadTestForm("object f: TfrmReaderTest\n  object t: TTimer\n    object p: TPanel\n"
                                        "    end\n  end\nend");
    EXPECT_EQ(static_cast<TControl*>(form->FindComponent("p"))->Parent(), form);
}

TEST_F(ReaderTest, AFailedReadLeavesThePublishedFieldsEmpty)
{
    auto form = std::make_unique<TfrmReaderTest>(nullptr);
    EXPECT_THROW(ReadForm(*form, "object f: TfrmReaderTest\n  object btnOk: TTestButton\n  end\n"
                                 "  object pnlTop: TPanel\n    Bad = 1\n  end\nend"),
                 EReadError);
    EXPECT_EQ(form->btnOk, nullptr);
    EXPECT_EQ(form->pnlTop, nullptr);
}

TEST_F(ReaderTest, ClassesMentionedOnlyByDescriptionsAreRegistered)
{
    RegisterStandardClasses();
    EXPECT_NE(GetClass("TPanel"), nullptr);
    EXPECT_NE(GetClass("TTimer"), nullptr);
    EXPECT_NE(GetClass("tform"), nullptr);
}

}  // namespace
}  // namespace uitest
