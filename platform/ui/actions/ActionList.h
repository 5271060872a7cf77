#pragma once
// TActionList: the actions of a form in one list, with the image list
// whose pictures their ImageIndex names. The list holds its actions
// without owning them (the form owns both); either side going away
// unlinks the other.

#include "platform/ui/base/Component.h"

#include <vector>

class TCustomAction;
class TImageList;

class TActionList : public TComponent {
    QZ_DECLARE_CLASS(TActionList, TComponent)

public:
    explicit TActionList(TComponent* owner);
    ~TActionList() override;

    [[nodiscard]] TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);

    [[nodiscard]] int ActionCount() const { return int(m_actions.size()); }
    // Raises EListError for an index out of range.
    [[nodiscard]] TCustomAction* Actions(int index) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TCustomAction;
    void AddAction(TCustomAction* action);
    void RemoveAction(TCustomAction* action);

    TImageList* m_images = nullptr;
    std::vector<TCustomAction*> m_actions;  // in the order they joined
};
