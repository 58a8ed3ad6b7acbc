// The satellite list: the loaded objects in file order and one current
// position per object in a contiguous array that the map pipeline reads.
#include "catalogue/CObjects.h"

#include <algorithm>

#include "catalogue/ManagerFile.h"

CObjects::~CObjects() { Free(); }

int CObjects::Load(const char* path)
{
    ManagerFile manager;
    const int result = manager.Load(*this, path);
    if (m_count != 0) {
        delete[] m_points;
        // No position until a first propagation succeeds: a satellite that
        // cannot be propagated at all is not shown anywhere.
        m_points = new point2f_t[m_count];
        std::fill_n(m_points, m_count, kNoPosition);
        uint32_t i = 0;
        for (object_t* o = m_head; o; o = o->next) o->point = &m_points[i++];
        for (object_t* o = m_head; o; o = o->next) obj_coord(o->point, o, 0);
    }
    return result;
}

object_t* CObjects::Add(object_t* obj)
{
    obj->next = nullptr;
    if (m_tail)
        m_tail->next = obj;
    else
        m_head = obj;
    m_tail = obj;
    ++m_count;
    return obj;
}

void CObjects::Update()
{
    // Objects added after the last Load have no point yet and are passed over.
    for (object_t* o = m_head; o; o = o->next)
        if (o->point) obj_coord(o->point, o, 0);
}

void CObjects::Free()
{
    if (m_head) {
        obj_free_all(m_head);
        m_head = nullptr;
        m_tail = nullptr;
        m_count = 0;
    }
    if (m_points) {
        delete[] m_points;
        m_points = nullptr;
    }
}

object_t* CObjects::Next(object_t* obj) { return obj->next ? obj->next : m_head; }

object_t* CObjects::Prior(object_t* obj)
{
    if (obj == m_head) return Last();
    object_t* o = m_head;
    while (o && o->next != obj) o = o->next;
    return o;
}

object_t* CObjects::Last() { return m_tail; }
