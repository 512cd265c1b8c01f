#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace brelix {

// Large jobs that fall into independent parts (the terms of each power of S, sorted on their own)
// are split over the machine's cores. The parts write disjoint data, so the result is the same
// whichever thread does which part, and the same as on one thread.

// The number of threads a large job is split over: the machine's own number, unless set.
unsigned LinhasDeTrabalho();
// Sets that number (1: everything on the caller's thread); 0 goes back to the machine's own.
void DefinirLinhasDeTrabalho(unsigned linhas);

// Runs tarefa(0) .. tarefa(count - 1), each once, over up to LinhasDeTrabalho() threads, the
// caller's among them, and returns when all are done. The tasks are begun in index order, so the
// largest should come first. When tasks raise exceptions, the one of the lowest index is raised
// again once every thread has stopped; tasks not yet begun are then left undone.
void ParaCadaTarefa(std::size_t count, const std::function<void(std::size_t)>& tarefa);

// Hands the pieces 0 .. count - 1 to entregar, in order, each made by fazer(i, piece) into an empty
// text. The pieces are made over the threads as many at a time as there are threads, and only those
// are held at once: a text of hundreds of megabytes is made in parallel and never held twice. An
// exception of fazer (that of the lowest piece) or of entregar stops the work and goes on to the
// caller, the pieces before it handed over.
void PecasEmOrdem(std::size_t count, const std::function<void(std::size_t, std::string&)>& fazer,
                  const std::function<void(std::string_view)>& entregar);

} // namespace brelix
