#pragma once
// A doubly linked list with one cursor, the way the game walks its burst shards: reset, then
// next until none, removing finished elements on the way and appending new ones at the end.

#include <cstddef>

namespace game {

template <typename T> struct ListElement {
    ListElement* next = nullptr;
    ListElement* previous = nullptr;
    T data{};
};

template <typename T> struct ElementList {
    ListElement<T>* first = nullptr;
    ListElement<T>* last = nullptr;
    ListElement<T>* current = nullptr; // none: the cursor stands before the first element

    ElementList() = default;
    ElementList(const ElementList&) = delete;
    ElementList& operator=(const ElementList&) = delete;
    ~ElementList() { listClear(*this); }
};

// Inserts a zero-filled element behind the cursor (at the front when the cursor stands before
// the first element) and moves the cursor onto it.
template <typename T> T* listInsert(ElementList<T>& list) {
    auto* element = new ListElement<T>{};
    ListElement<T>* cur = list.current;
    if (cur != nullptr) {
        element->previous = cur;
        element->next = cur->next;
        if (cur->next != nullptr) {
            cur->next->previous = element;
        }
        cur->next = element;
    } else {
        element->next = list.first;
        if (list.first != nullptr) {
            list.first->previous = element;
        }
    }
    list.current = element;
    if (element->previous == nullptr) {
        list.first = element;
    }
    if (element->next == nullptr) {
        list.last = element;
    }
    return &element->data;
}

// Removes the element under the cursor. The cursor moves back to the previous element, so the
// walk's next listNext continues behind the removed one; when the first element is removed the
// cursor lands on the new first element instead, and the walk's next step passes over it.
template <typename T> void listRemove(ElementList<T>& list) {
    ListElement<T>* cur = list.current;
    if (cur == nullptr) {
        return;
    }
    ListElement<T>* p = cur->previous;
    ListElement<T>* n = cur->next;
    if (p == nullptr && n == nullptr) {
        list.first = list.last = nullptr;
        list.current = nullptr;
    } else if (p == nullptr) {
        n->previous = nullptr;
        list.first = n;
        list.current = n;
    } else if (n == nullptr) {
        p->next = nullptr;
        list.last = p;
        list.current = p;
    } else {
        p->next = n;
        n->previous = p;
        list.current = p;
    }
    delete cur;
}

// Moves the cursor on and returns the element's data; none at the end, where the cursor stays.
template <typename T> T* listNext(ElementList<T>& list) {
    if (list.current == nullptr) {
        list.current = list.first;
        return list.first != nullptr ? &list.first->data : nullptr;
    }
    if (list.current->next == nullptr) {
        return nullptr;
    }
    list.current = list.current->next;
    return &list.current->data;
}

template <typename T> void listReset(ElementList<T>& list) {
    list.current = nullptr;
}

template <typename T> void listClear(ElementList<T>& list) {
    ListElement<T>* element = list.first;
    while (element != nullptr) {
        ListElement<T>* next = element->next;
        delete element;
        element = next;
    }
    list.first = list.last = list.current = nullptr;
}

template <typename T> std::size_t listSize(const ElementList<T>& list) {
    std::size_t count = 0;
    for (const ListElement<T>* e = list.first; e != nullptr; e = e->next) {
        ++count;
    }
    return count;
}

} // namespace game
