#pragma once
// TCustomAction: an action with what a control shows of it: Caption,
// Enabled, Checked, Visible, Hint and ImageIndex into its action list's
// Images. Each setter that changes a value tells the linked controls.
// TAction publishes it all for form descriptions.

#include "platform/ui/actions/BasicAction.h"

#include <string>

class TActionList;

class TCustomAction : public TBasicAction {
    QZ_DECLARE_CLASS(TCustomAction, TBasicAction)

public:
    explicit TCustomAction(TComponent* owner);
    ~TCustomAction() override;

    [[nodiscard]] const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    [[nodiscard]] bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    [[nodiscard]] bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    [[nodiscard]] bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    [[nodiscard]] const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint);
    [[nodiscard]] int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);

    // The list the action belongs to (not owned), or nullptr.
    [[nodiscard]] TActionList* ActionList() const { return m_actionList; }
    void SetActionList(TActionList* list);

    // A disabled action does not execute.
    bool Execute() override;

    // A form description nests actions inside their list.
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TActionList;
    void ListGone() { m_actionList = nullptr; }

    std::string m_caption;
    bool m_enabled = true;
    bool m_checked = false;
    bool m_visible = true;
    std::string m_hint;
    int m_imageIndex = -1;
    TActionList* m_actionList = nullptr;
};

class TAction : public TCustomAction {
    QZ_DECLARE_CLASS(TAction, TCustomAction)

public:
    using TCustomAction::TCustomAction;
};
