# The two commands of the project: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-charts-dev libsqlite3-dev libjpeg-dev \
           fonts-liberation2 fonts-dejavu-core qt6-translations-l10n xvfb xauth xdotool imagemagick time \
           dpkg-dev file desktop-file-utils appstream lintian

.PHONY: run test build package deps bench clean

run: build
	cd $(BUILD)/semaforix && ./semaforix

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS)

package: build
	cmake --build $(BUILD) --target package

bench: build
	cmake --build $(BUILD) --target benchmarks -j$(JOBS)
	bench/run.sh $(BUILD)

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	  else \
	    echo "Missing packages; install them with:"; \
	    echo "  sudo apt-get update && sudo apt-get install -y$$missing"; exit 1; \
	  fi; \
	fi

clean:
	rm -rf $(BUILD)
