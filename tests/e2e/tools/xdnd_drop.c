/* Drops files onto an X window the way a file manager does, over XDND.
 *
 *   xdnd_drop NAME X Y PATH...
 *
 * Finds the X window whose WM_NAME contains NAME (for Wine's virtual
 * desktop: "Wine desktop") and, as a drag source does, the deepest window
 * announcing XdndAware under the point X Y of that window (with a virtual
 * desktop: the program's own top-level window inside it), and drops the files
 * PATH... (absolute POSIX names) there: XdndEnter offering
 * text/uri-list, XdndPosition, then, once the target has answered with
 * XdndStatus, XdndDrop; the selection request for XdndSelection is answered
 * with one "file://PATH\r\n" line per file whenever it comes; the drop ends
 * with the target's XdndFinished.
 *
 * Prints "accepted" or "refused" (the target's XdndStatus) and, on success,
 * "finished". Exit status 0 when the target accepted and finished the drop,
 * 1 when it refused it or did not answer in time, 2 on wrong usage or when
 * the display or window is missing. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

enum { kXdndVersion = 5, kAnswerTimeoutMs = 10000 };

struct Atoms {
  Atom aware, enter, position, status, drop, finished, selection, action_copy, uri_list;
};

struct Drop {
  Display* display;
  Window source;
  Window target;
  struct Atoms atoms;
  char* uri_list;
  int status_seen;
  int accepted;
  int finished;
};

static long NowMs(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000L + now.tv_nsec / 1000000L;
}

static int NameContains(Display* display, Window window, const char* part) {
  char* name = NULL;
  int found = 0;
  if (XFetchName(display, window, &name) && name != NULL) {
    found = strstr(name, part) != NULL;
    XFree(name);
  }
  return found;
}

/* The first window, depth first from parent, whose name contains part. */
static Window FindByName(Display* display, Window parent, const char* part) {
  if (NameContains(display, parent, part)) return parent;
  Window root_return, parent_return, *children = NULL;
  unsigned int count = 0;
  Window found = None;
  if (!XQueryTree(display, parent, &root_return, &parent_return, &children, &count)) return None;
  for (unsigned int i = 0; i < count && found == None; ++i) {
    found = FindByName(display, children[i], part);
  }
  if (children != NULL) XFree(children);
  return found;
}

static long AwareVersion(Display* display, Window window, Atom aware);

/* The deepest window under the root point x, y that announces XdndAware,
 * searched from top down as a drag source does; top when none below does. */
static Window DeepestAware(Display* display, Window top, int x, int y, Atom aware) {
  Window root = DefaultRootWindow(display);
  Window found = top, window = top, child = None;
  int window_x, window_y;
  while (XTranslateCoordinates(display, root, window, x, y, &window_x, &window_y, &child) &&
         child != None) {
    window = child;
    if (AwareVersion(display, window, aware) != 0) found = window;
  }
  return found;
}

/* The XDND version the window announces in XdndAware; 0 without it. */
static long AwareVersion(Display* display, Window window, Atom aware) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = NULL;
  long version = 0;
  if (XGetWindowProperty(display, window, aware, 0, 1, False, XA_ATOM, &type, &format, &count,
                         &after, &data) == Success &&
      data != NULL) {
    if (type == XA_ATOM && format == 32 && count == 1) version = (long)*(Atom*)data;
    XFree(data);
  }
  return version;
}

static void SendClientMessage(struct Drop* drop, Atom type, long l1, long l2, long l3, long l4) {
  XEvent event;
  memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.display = drop->display;
  event.xclient.window = drop->target;
  event.xclient.message_type = type;
  event.xclient.format = 32;
  event.xclient.data.l[0] = (long)drop->source;
  event.xclient.data.l[1] = l1;
  event.xclient.data.l[2] = l2;
  event.xclient.data.l[3] = l3;
  event.xclient.data.l[4] = l4;
  XSendEvent(drop->display, drop->target, False, NoEventMask, &event);
  XFlush(drop->display);
}

static void AnswerSelectionRequest(struct Drop* drop, const XSelectionRequestEvent* request) {
  XEvent reply;
  memset(&reply, 0, sizeof reply);
  reply.xselection.type = SelectionNotify;
  reply.xselection.display = request->display;
  reply.xselection.requestor = request->requestor;
  reply.xselection.selection = request->selection;
  reply.xselection.target = request->target;
  reply.xselection.time = request->time;
  reply.xselection.property = None;
  Atom property = request->property != None ? request->property : request->target;
  if (request->selection == drop->atoms.selection && request->target == drop->atoms.uri_list) {
    XChangeProperty(drop->display, request->requestor, property, drop->atoms.uri_list, 8,
                    PropModeReplace, (const unsigned char*)drop->uri_list,
                    (int)strlen(drop->uri_list));
    reply.xselection.property = property;
  }
  XSendEvent(drop->display, request->requestor, False, NoEventMask, &reply);
  XFlush(drop->display);
}

/* Handles events until done(drop) holds or the time runs out; 1 when done. */
static int HandleEventsUntil(struct Drop* drop, int (*done)(const struct Drop*)) {
  long deadline = NowMs() + kAnswerTimeoutMs;
  struct pollfd wait_for = {ConnectionNumber(drop->display), POLLIN, 0};
  while (!done(drop)) {
    if (XPending(drop->display) == 0) {
      long left = deadline - NowMs();
      if (left <= 0) return 0;
      poll(&wait_for, 1, (int)left);
      continue;
    }
    XEvent event;
    XNextEvent(drop->display, &event);
    if (event.type == SelectionRequest) {
      AnswerSelectionRequest(drop, &event.xselectionrequest);
    } else if (event.type == ClientMessage && event.xclient.message_type == drop->atoms.status) {
      drop->status_seen = 1;
      drop->accepted = (event.xclient.data.l[1] & 1) != 0;
    } else if (event.type == ClientMessage && event.xclient.message_type == drop->atoms.finished) {
      drop->finished = 1;
    }
  }
  return 1;
}

static int StatusSeen(const struct Drop* drop) { return drop->status_seen; }
static int Finished(const struct Drop* drop) { return drop->finished; }

static char* UriList(int count, char** paths) {
  size_t size = 1;
  for (int i = 0; i < count; ++i) size += strlen("file://") + strlen(paths[i]) + 2;
  char* list = malloc(size);
  if (list == NULL) return NULL;
  list[0] = '\0';
  for (int i = 0; i < count; ++i) {
    strcat(list, "file://");
    strcat(list, paths[i]);
    strcat(list, "\r\n");
  }
  return list;
}

int main(int argc, char** argv) {
  if (argc < 5) {
    fprintf(stderr, "usage: xdnd_drop NAME X Y PATH...\n");
    return 2;
  }
  struct Drop drop;
  memset(&drop, 0, sizeof drop);
  drop.display = XOpenDisplay(NULL);
  if (drop.display == NULL) {
    fprintf(stderr, "cannot open the display\n");
    return 2;
  }
  Display* display = drop.display;
  Window root = DefaultRootWindow(display);
  drop.target = FindByName(display, root, argv[1]);
  if (drop.target == None) {
    fprintf(stderr, "no window named like \"%s\"\n", argv[1]);
    return 2;
  }
  drop.atoms.aware = XInternAtom(display, "XdndAware", False);
  drop.atoms.enter = XInternAtom(display, "XdndEnter", False);
  drop.atoms.position = XInternAtom(display, "XdndPosition", False);
  drop.atoms.status = XInternAtom(display, "XdndStatus", False);
  drop.atoms.drop = XInternAtom(display, "XdndDrop", False);
  drop.atoms.finished = XInternAtom(display, "XdndFinished", False);
  drop.atoms.selection = XInternAtom(display, "XdndSelection", False);
  drop.atoms.action_copy = XInternAtom(display, "XdndActionCopy", False);
  drop.atoms.uri_list = XInternAtom(display, "text/uri-list", False);
  /* The drop point as root coordinates, as XdndPosition wants it. */
  int root_x, root_y;
  Window child;
  XTranslateCoordinates(display, drop.target, root, atoi(argv[2]), atoi(argv[3]), &root_x, &root_y,
                        &child);
  drop.target = DeepestAware(display, drop.target, root_x, root_y, drop.atoms.aware);
  long version = AwareVersion(display, drop.target, drop.atoms.aware);
  if (version == 0) {
    fprintf(stderr, "window 0x%lx does not announce XdndAware\n", (unsigned long)drop.target);
    return 2;
  }
  if (version > kXdndVersion) version = kXdndVersion;
  drop.uri_list = UriList(argc - 4, argv + 4);
  if (drop.uri_list == NULL) return 2;

  drop.source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, drop.atoms.selection, drop.source, CurrentTime);
  if (XGetSelectionOwner(display, drop.atoms.selection) != drop.source) {
    fprintf(stderr, "cannot own XdndSelection\n");
    return 2;
  }
  SendClientMessage(&drop, drop.atoms.enter, version << 24, (long)drop.atoms.uri_list, None, None);
  SendClientMessage(&drop, drop.atoms.position, 0, ((long)root_x << 16) | (root_y & 0xFFFF),
                    CurrentTime, (long)drop.atoms.action_copy);
  if (!HandleEventsUntil(&drop, StatusSeen)) {
    fprintf(stderr, "no XdndStatus from the target\n");
    return 1;
  }
  if (!drop.accepted) {
    printf("refused\n");
    /* Leaving tells the target the drag is over. */
    SendClientMessage(&drop, XInternAtom(display, "XdndLeave", False), 0, 0, 0, 0);
    XCloseDisplay(display);
    return 1;
  }
  printf("accepted\n");
  SendClientMessage(&drop, drop.atoms.drop, 0, CurrentTime, 0, 0);
  if (!HandleEventsUntil(&drop, Finished)) {
    fprintf(stderr, "no XdndFinished from the target\n");
    return 1;
  }
  printf("finished\n");
  free(drop.uri_list);
  XDestroyWindow(display, drop.source);
  XCloseDisplay(display);
  return 0;
}
