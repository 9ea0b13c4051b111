// The node records of the program's tree lists.
#include "bar_list_node.h"

namespace SkinUI {

BarListItemInfo::BarListItemInfo()
    : folder(false),
      closed(false),
      hasDelete(false),
      wValue(0),
      dwValue1(0),
      dwValue2(0),
      wValue1(0),
      wValue2(0)
{}

BarListNode::BarListNode()
    : parent(NULL),
      level(-1),
      folder(false),
      expanded(false),
      openIcon(false),
      savedVisible(true),
      hasDelete(false),
      wValue(0),
      dwValue1(0),
      dwValue2(0),
      wValue1(0),
      wValue2(0),
      row(NULL)
{}

BarListNode::~BarListNode()
{
    for (BarListNode* pChild : children) delete pChild;
}

BarListNode* BarListNode::LastDescendant()
{
    BarListNode* pNode = this;
    while (!pNode->children.empty()) pNode = pNode->children.back();
    return pNode;
}

} // namespace SkinUI
