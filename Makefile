# The two set-up commands: `make run` and `make test`. Both install what is missing, configure and build into build/.
BUILD      ?= build
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES   := cmake g++ make qt6-base-dev qt6-serialport-dev libgl-dev qt6-translations-l10n \
              qt6-l10n-tools qt6-tools-dev-tools \
              desktop-file-utils appstream help2man dpkg-dev
# only what the tests use: pdfinfo and pdftotext read the printed PDFs back
TEST_PACKAGES := poppler-utils
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test clean format install package

all: build

# apt-get only when a package is missing, so that a ready machine starts at once. Where another apt holds
# the lock (a fresh machine's own updates), it waits for it up to APT_LOCK_WAIT seconds instead of failing.
APT_LOCK_WAIT ?= 600
APT_GET := apt-get -o DPkg::Lock::Timeout=$(APT_LOCK_WAIT)
define install-missing
	@missing=""; for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  $(SUDO) $(APT_GET) update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) $(APT_GET) install -y -qq $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# what the package and `make install` ship: the programs, the print helper, the icons and manual pages
SHIPPED := kt-m40 kt-m40-cli kt-m40-cli-print kt-m40-dist-files

# only the two programs: the tests and benchmarks are built by `make test` and `make bench`. The window needs
# a graphical session: without one, say so and how to run it anyway, instead of Qt's own abort.
run: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target kt-m40 kt-m40-cli
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: kt-m40 is a window program and needs a graphical session (no DISPLAY or WAYLAND_DISPLAY here)."; \
	  echo "  On a machine without one, run it on a virtual display (package xvfb):"; \
	  echo "    xvfb-run -a -s '-screen 0 1280x1024x24' $(BUILD)/kt-m40 --demo"; \
	  echo "  or use the command-line tool: $(BUILD)/kt-m40-cli --help"; \
	  exit 1; \
	fi
	$(BUILD)/kt-m40 --demo

# twice as many test programs as cores: most of their time is spent waiting on the virtual radio's line
test: build
	$(call install-missing,$(TEST_PACKAGES))
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $$(( $(JOBS) * 2 ))

# Installs both programs, the desktop entry, icons, manual pages and bash completion under PREFIX
# (DESTDIR is honoured for staging).
# Only what is installed is built; then the desktop's MIME and application databases learn the clone file
# type (not for a staged install into DESTDIR, whose databases are the target system's business).
PREFIX ?= /usr/local
install: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target $(SHIPPED)
	cmake --install $(BUILD) --prefix $(PREFIX)
	@if [ -z "$(DESTDIR)" ]; then \
	  ! command -v update-mime-database >/dev/null || update-mime-database $(PREFIX)/share/mime; \
	  ! command -v update-desktop-database >/dev/null || update-desktop-database -q $(PREFIX)/share/applications; \
	fi

# The Debian package, written into build/ (only what it holds is built): install it with
# `apt install ./build/kt-m40_*.deb` (with sudo when you are not root).
package: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target $(SHIPPED)
	cd $(BUILD) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

# Measurements and robustness: `make bench`, `make soak`, `make test-asan`, `make fuzz [FUZZ_SECONDS=60]`.
# Each has its own build folder, so that none of them disturbs build/.
BENCH_BUILD   ?= build-bench
ASAN_BUILD    ?= build-asan
FUZZ_BUILD    ?= build-fuzz
FUZZ_SECONDS  ?= 60
FUZZ_PACKAGES := clang libclang-rt-14-dev

.PHONY: deps-fuzz bench soak test-asan fuzz

deps-fuzz: deps
	$(call install-missing,$(FUZZ_PACKAGES))

$(BENCH_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release

bench: deps $(BENCH_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target bench-files bench-transfer
	$(BENCH_BUILD)/bench/bench-files
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/bench-transfer

soak: deps $(BENCH_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target bench-soak
	$(BENCH_BUILD)/bench/bench-soak

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKT_SANITIZE=ON

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer; any report fails the test.
test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

$(FUZZ_BUILD)/CMakeCache.txt: | deps-fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKT_FUZZ=ON

# Runs every target for FUZZ_SECONDS on its seed corpus (new inputs are kept in the build folder);
# a crash, a sanitizer report or a broken invariant leaves its input in $(FUZZ_BUILD)/findings/ and fails.
fuzz: deps-fuzz $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz-all
	@mkdir -p $(FUZZ_BUILD)/findings; status=0; \
	for t in $$(cd fuzz/corpus && ls); do \
	  [ -x $(FUZZ_BUILD)/fuzz/$$t ] || continue; \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  echo "== $$t: $(FUZZ_SECONDS) s"; \
	  if $(FUZZ_BUILD)/fuzz/$$t $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t -max_total_time=$(FUZZ_SECONDS) \
	       -timeout=30 -rss_limit_mb=2560 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/findings/$$t- \
	       > $(FUZZ_BUILD)/$$t.log 2>&1; then \
	    grep -E 'stat::number_of_executed_units|stat::new_units_added' $(FUZZ_BUILD)/$$t.log | tr '\n' ' '; echo; \
	  else \
	    status=1; echo "$$t: FINDING (see $(FUZZ_BUILD)/$$t.log)"; tail -30 $(FUZZ_BUILD)/$$t.log; \
	  fi; \
	done; exit $$status

# Line and branch coverage of the whole suite, per folder (its own build folder, gcov and lcov). The program
# neither throws nor catches: built without exceptions, the branches counted are its own decisions, not the
# clean-up paths the compiler adds to every call for an exception that never comes.
COVERAGE_BUILD ?= build-coverage

.PHONY: coverage

$(COVERAGE_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(COVERAGE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="--coverage -fno-exceptions" \
	  -DCMAKE_EXE_LINKER_FLAGS=--coverage

coverage: deps $(COVERAGE_BUILD)/CMakeCache.txt
	$(call install-missing,lcov)
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	cd $(COVERAGE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	tests/coverage-report $(COVERAGE_BUILD)
