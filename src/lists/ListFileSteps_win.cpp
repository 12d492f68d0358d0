#include "lists/ListFileSteps.h"

#include "lists/DateListIO.h"

bool ListFileSteps::LoadListFile(ListOwner& owner, const std::string& location) {
  if (!LoadDateList(m_kind, owner, location, true, true, false)) return false;
  m_listChanged = false;
  return true;
}

bool ListFileSteps::SaveListFile(ListOwner& owner) {
  if (!SaveDateList(m_kind, owner, m_location, true, false, true)) return false;
  m_listChanged = false;
  OnListSaved();
  owner.OnListSaved(m_kind);
  return true;
}
